#pragma once

// The newest lines of a conversation log, read from its end: what a conversation
// shows of its past when it opens. A log is lines of 8-bit text with CR LF ends;
// each session starts with an empty line and "[dd.MM.yyyy]", and lines may start
// with "[HH:mm]" or "[HH:mm:ss]". The reading stops as soon as it has enough, so a
// log of any size costs about the same.

#include "net/wire_text.h"

#include <QDateTime>
#include <QStringList>

class QIODevice;

namespace quorvelle::history {

struct TailLimits
{
    int lines = 50;             // at most this many
    qint64 seconds = 24 * 3600; // written within this long before now
    qint64 bytes = 1024 * 1024; // read at most this far back
};

// The log's newest lines that fall within the limits, oldest first, without the
// session headers. lastWritten dates the last line (the file's modification time);
// lines above it are dated by the session headers and by their stamps (a stamp
// later than the line below it crossed midnight).
QStringList RecentLogLines(QIODevice& log, const QDateTime& lastWritten, const QDateTime& now,
                           const net::WireText& text, const TailLimits& limits = {});

// The same for a file; nothing when it cannot be read.
QStringList RecentLogLines(const QString& path, const QDateTime& now, const net::WireText& text,
                           const TailLimits& limits = {});

} // namespace quorvelle::history
