#include "messages/message_archive.h"

#include "chat/log_writer.h"
#include "messages/raw_text.h"

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

namespace {

bool IsMarker(QStringView line)
{
    return line == SentMarker || line == ReceivedMarker;
}

// Nicks repeat from record to record; sharing the previous copy keeps a large archive
// (or a file of nothing but markers) from holding one allocation per field.
QString Shared(QStringView field, const QString& previous)
{
    return field == previous ? previous : field.toString();
}

} // namespace

QString ArchiveDateTime(const QDateTime& when)
{
    return when.toString(u"dd.MM.yyyy hh:mm:ss"_s);
}

QString ArchiveRecordText(const ArchiveRecord& record)
{
    QString out;
    out.reserve(record.dateTime.size() + record.sender.size() + record.recipient.size() +
                record.text.size() + 13);
    out += record.outgoing ? SentMarker : ReceivedMarker;
    for (const QString* line :
         {&record.dateTime, &record.sender, &record.recipient, &record.text}) {
        out += u"\r\n";
        out += *line;
    }
    out += u"\r\n";
    return out;
}

void AppendArchiveRecord(const chat::LogWriter& writer, const ArchiveRecord& record)
{
    writer.AppendLogLine(ArchiveFileName, ArchiveRecordText(record));
}

QList<ArchiveRecord>
ReadArchive(QByteArrayView file, const net::WireText& text,
            const std::function<bool(qsizetype done, qsizetype total)>& progress)
{
    // Decoded whole, then split: CR and LF are never part of a multi-byte character in
    // the code pages we offer, and one decoder run is far cheaper than one per line.
    const QString decoded = text.decode(file);
    // A first pass counts the lines for the progress and bounds the records (each takes
    // a marker and at least four lines), so the list is allocated once.
    qsizetype total = 0, markers = 0;
    for (TextLines count(decoded); !count.atEnd(); ++total)
        markers += IsMarker(count.next());
    qsizetype done = 0;
    TextLines lines(decoded);
    const auto take = [&] {
        ++done;
        return lines.next();
    };
    const auto goOn = [&] { return !progress || progress(done, total); };

    QList<ArchiveRecord> records;
    records.reserve(std::min(markers, total / 4 + 1));
    QStringView line;
    bool atMarker = false;
    while (!atMarker && !lines.atEnd())
        atMarker = IsMarker(line = take());

    static const ArchiveRecord none;
    while (atMarker) {
        const ArchiveRecord& previous = records.isEmpty() ? none : records.constLast();
        ArchiveRecord record;
        record.outgoing = line == SentMarker;
        QStringView header[3];
        for (QStringView& field : header) {
            if (lines.atEnd())
                return records;
            field = take();
        }
        record.dateTime = Shared(header[0], previous.dateTime);
        record.sender = Shared(header[1], previous.sender);
        record.recipient = Shared(header[2], previous.recipient);
        if (!goOn())
            return records;

        atMarker = false;
        while (!lines.atEnd()) {
            line = take();
            if ((atMarker = IsMarker(line)))
                break;
            // Leading empty lines vanish: a line replaces a text that is still empty.
            if (record.text.isEmpty()) {
                record.text = line.toString();
            } else {
                record.text += u"\r\n";
                record.text += line;
            }
            if (!goOn())
                break;
        }
        // The empty line that closes every record.
        if (record.text.size() > 1 && record.text.endsWith(u'\n'))
            record.text.chop(2);
        records.append(std::move(record));
    }
    return records;
}

} // namespace quorvelle::messages
