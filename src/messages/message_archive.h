#pragma once

// The messages archive: every message sent or received, appended to one text file in
// the logs directory and read back whole by the archive window.
//
// One record is written as
//     marker CR LF  date-time CR LF  sender CR LF  recipient CR LF  text CR LF
// and the log writer closes it with one more CR LF. The text is the message as it
// travels (colour codes included; a text we sent ends with its own CR LF), so every
// record is followed by at least one empty line, which the reader takes off again.
//
// The reader splits the file as TextLines does: CR LF, a lone CR and a lone LF each end
// a line, so a file whose line ends were converted still reads. A text that held a lone
// CR or LF therefore reads back with CR LF there; a text with CR LF breaks and no
// leading empty lines reads back exactly as written.

#include "net/wire_text.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>

namespace quorvelle::chat {
class LogWriter;
}

namespace quorvelle::messages {

// Latin-1 views: each converts to a QString where one is wanted.
static constexpr QLatin1StringView ArchiveFileName("Messages.log");
static constexpr QLatin1StringView SentMarker("*>*");
static constexpr QLatin1StringView ReceivedMarker("*<*");
// The recipient of a mass message.
static constexpr QLatin1StringView MassRecipient("All");

struct ArchiveRecord
{
    bool outgoing = false; // sent by this user
    QString dateTime;      // "dd.mm.yyyy hh:mm:ss"
    QString sender;
    QString recipient;
    QString text;

    bool isMass() const { return recipient == MassRecipient; }
    friend bool operator==(const ArchiveRecord&, const ArchiveRecord&) = default;
};

// The date and time of a record, from one reading of the clock.
QString ArchiveDateTime(const QDateTime& when);

// The text handed to AppendLogLine for one record (which adds the closing CR LF).
QString ArchiveRecordText(const ArchiveRecord& record);

// Appends the record to the archive in the writer's logs directory.
void AppendArchiveRecord(const chat::LogWriter& writer, const ArchiveRecord& record);

// Every record of an archive file, oldest first. Lines before the first marker are
// skipped; a text runs until the next line that equals a marker, loses its leading
// empty lines and the one empty line that closes each record; a header cut short by
// the end of the file ends the list. Anything else is taken as it stands, in time and
// memory linear in the file. progress, if given, hears (lines read, lines in the file)
// after each header and each text line; when it answers false the reading stops and
// the records read so far are returned.
QList<ArchiveRecord>
ReadArchive(QByteArrayView file, const net::WireText& text,
            const std::function<bool(qsizetype done, qsizetype total)>& progress = {});

} // namespace quorvelle::messages
