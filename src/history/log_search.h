#pragma once

// One query over every conversation log and the messages archive of the logs
// directory, in the code page they were written in. Hits are reported as they are
// found, file by file, newest file last; the search can be stopped at any time.

#include "messages/message_archive.h"
#include "net/wire_text.h"

#include <QDate>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

namespace quorvelle::history {

struct SearchQuery
{
    QString text;
    Qt::CaseSensitivity cs = Qt::CaseInsensitive;
    QString conversation; // only this log ("#Talks", "Bob", "Messages"); empty: all
    QString nick;         // only lines or messages of this nick; empty: all
    QDate from, to;       // only lines of these days (either may be unset)
};

struct SearchHit
{
    QString conversation;  // the log's name, "Messages" for the archive
    QString file;          // its path
    QDate date;            // the session's day (or the message's), if known
    QString time;          // "HH:mm" or "HH:mm:ss" as stamped, if any
    QString nick;          // the sender, if the line names one
    QString line;          // the whole line (for a message, its text)
    qint64 lineNumber = 0; // from 0, in the log's file (archive: the record's number)
    std::optional<messages::ArchiveRecord> message; // a hit in the archive: the message
};

// The conversation a log file belongs to: "#Talks.log" is "#Talks".
QString ConversationOfLog(const QString& fileName);

// Calls found for each hit; it answers false to stop. progress hears the bytes
// searched and the bytes in all; stop ends the search between lines. Returns
// whether the search ran to its end.
bool SearchLogs(const QString& directory, const SearchQuery& query, const net::WireText& text,
                const std::function<bool(const SearchHit&)>& found,
                const std::function<void(qint64 done, qint64 total)>& progress = {},
                const std::atomic<bool>* stop = nullptr);

// The lines of a log around one (context lines before and after), for showing a
// hit where it was said.
QStringList LogLinesAround(const QString& file, qint64 lineNumber, int context,
                           const net::WireText& text);

} // namespace quorvelle::history
