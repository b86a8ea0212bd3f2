#include "history/log_tail.h"

#include "chat/chat_line.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <utility>

namespace quorvelle::history {

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;

} // namespace

QStringList RecentLogLines(QIODevice& log, const QDateTime& lastWritten, const QDateTime& now,
                           const net::WireText& text, const TailLimits& limits)
{
    QStringList newestFirst;
    if (!log.isReadable() || limits.lines <= 0)
        return newestFirst;
    const QDateTime cutoff = now.addSecs(-limits.seconds);
    const qint64 size = log.size();
    const qint64 floor = qMax<qint64>(0, size - limits.bytes);
    // Dating goes backwards from the last line's time.
    QDate date = lastWritten.date();
    QTime below = lastWritten.time();
    QByteArray carry; // the start of a line whose beginning lies in the next chunk up
    qint64 end = size;
    bool done = false;
    while (!done && end > floor) {
        const qint64 start = qMax(floor, end - ChunkBytes);
        if (!log.seek(start))
            break;
        QByteArray chunk = log.read(end - start);
        if (chunk.size() != end - start)
            break;
        chunk += std::exchange(carry, {});
        end = start;
        // Every line but the first is whole; the first is whole only at the file's start.
        qsizetype lineEnd = chunk.size();
        while (!done) {
            // (A "from" of -1 would mean the chunk's end to lastIndexOf.)
            const qsizetype newline = lineEnd > 0 ? chunk.lastIndexOf('\n', lineEnd - 1) : -1;
            if (newline < 0 && end > floor) {
                carry = chunk.first(lineEnd);
                break;
            }
            if (newline < 0 && floor > 0)
                break; // cut by the reading limit: not a whole line
            QByteArrayView line = QByteArrayView(chunk).sliced(newline + 1, lineEnd - newline - 1);
            lineEnd = newline;
            if (line.endsWith('\r'))
                line.chop(1);
            if (const QDate session = chat::LogHeaderDate(line); session.isValid()) {
                // The lines above began earlier sessions: no later than this one.
                if (session < date) {
                    date = session;
                    below = QTime(23, 59, 59);
                }
            } else if (!line.isEmpty()) {
                if (const auto stamp = chat::LogLineStamp(line)) {
                    if (*stamp > below.addSecs(60)) // the line below came after midnight
                        date = date.addDays(-1);
                    below = *stamp;
                }
                if (QDateTime(date, below) < cutoff) {
                    done = true;
                    break;
                }
                newestFirst.append(text.decode(line));
                done = newestFirst.size() >= limits.lines;
            }
            if (newline < 0)
                break;
        }
        if (end <= floor)
            break;
    }
    std::reverse(newestFirst.begin(), newestFirst.end());
    return newestFirst;
}

QStringList RecentLogLines(const QString& path, const QDateTime& now, const net::WireText& text,
                           const TailLimits& limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return RecentLogLines(file, QFileInfo(file).lastModified(), now, text, limits);
}

} // namespace quorvelle::history
