#include "history/log_search.h"

#include "chat/chat_line.h"
#include "messages/message_archive.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <functional>

namespace quorvelle::history {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString ArchiveFile = u"Messages.log"_s;
const QString ArchiveName = u"Messages"_s;

// A byte-wise lower case of the code page, so that a case-blind search runs over
// bytes as fast as a plain one: each byte to the byte of its lower-case letter.
struct Fold
{
    std::array<char, 256> table{};
    // ASCII folds as everywhere ('A'-'Z' only): eight such bytes are folded at once.
    bool asciiAlike = true;
};

Fold FoldOf(const net::WireText& text)
{
    Fold fold;
    for (int b = 0; b < 256; ++b) {
        char& to = fold.table[size_t(b)];
        to = char(b);
        const QString c = text.decode(QByteArray(1, char(b)));
        const QByteArray lower = c.size() == 1 ? text.encode(c.toLower()) : QByteArray();
        if (lower.size() == 1 && text.decode(lower) == c.toLower())
            to = lower[0];
        if (b < 128 && to != char(b >= 'A' && b <= 'Z' ? b | 0x20 : b))
            fold.asciiAlike = false;
    }
    return fold;
}

void FoldInto(QByteArrayView bytes, const Fold& fold, QByteArray& out)
{
    out.resize(bytes.size());
    const char* in = bytes.data();
    char* to = out.data();
    qsizetype i = 0;
    if (fold.asciiAlike) {
        constexpr quint64 Ones = 0x0101010101010101ull, High = 0x8080808080808080ull;
        for (; i + 8 <= bytes.size(); i += 8) {
            quint64 w;
            std::memcpy(&w, in + i, 8);
            if (w & High) {
                for (int k = 0; k < 8; ++k)
                    to[i + k] = fold.table[quint8(in[i + k])];
                continue;
            }
            // The high bit of each byte from 'A' up to 'Z': that byte gets 0x20.
            const quint64 upper = ((w + Ones * (128 - 'A')) ^ (w + Ones * (128 - 'Z' - 1))) & High;
            w |= upper >> 2;
            std::memcpy(to + i, &w, 8);
        }
    }
    for (; i < bytes.size(); ++i)
        to[i] = fold.table[quint8(in[i])];
}

// "[HH:mm] " or "[HH:mm:ss] " at the start, then "<Nick> " for a user's line.
void TakeApart(QByteArrayView raw, SearchHit& hit)
{
    qsizetype at = 0;
    if (chat::LogLineStamp(raw, &at))
        hit.time = QString::fromLatin1(raw.sliced(1, at - 3));
    const QString& line = hit.line; // a stamp is ASCII: as many characters as bytes
    if (line.size() > at && line.at(at) == u'<') {
        const qsizetype close = line.indexOf(u"> "_s, at);
        if (close > at)
            hit.nick = line.sliced(at + 1, close - at - 1);
    }
}

// The needle in the haystack from `from` on; the C library's search where there is
// one (it reads many bytes at a time), else a Horspool search.
qsizetype Find(QByteArrayView haystack, QByteArrayView needle, qsizetype from)
{
    if (from > haystack.size() || needle.isEmpty())
        return -1;
#if defined(__GLIBC__)
    const void* at = memmem(haystack.data() + from, size_t(haystack.size() - from), needle.data(),
                            size_t(needle.size()));
    return at ? static_cast<const char*>(at) - haystack.data() : -1;
#else
    const auto begin = haystack.begin() + from;
    const auto at = std::search(begin, haystack.end(),
                                std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
    return at == haystack.end() ? -1 : at - haystack.begin();
#endif
}

bool InDays(const QDate& date, const SearchQuery& q)
{
    return (!q.from.isValid() || (date.isValid() && date >= q.from)) &&
           (!q.to.isValid() || (date.isValid() && date <= q.to));
}

bool Stopped(const std::atomic<bool>* stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// One conversation log. Returns false when the search was stopped.
bool SearchLog(const QString& path, const QString& conversation, const SearchQuery& q,
               const net::WireText& text, const QByteArray& needle, const Fold* fold,
               const std::function<bool(const SearchHit&)>& found, const std::atomic<bool>* stop)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    // Mapped where the system lets us: no copy of a big log.
    QByteArray read;
    QByteArrayView bytes;
    if (const uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr) {
        bytes = QByteArrayView(reinterpret_cast<const char*>(mapped), file.size());
    } else {
        read = file.readAll();
        bytes = read;
    }
    // Session headers follow an empty line ("\r\n[dd.MM.yyyy]"); each date holds
    // until the next. They are looked for only up to each match.
    QDate date;
    qsizetype headerScan = 0;
    const auto takeHeaders = [&](qsizetype upTo) {
        while (headerScan < upTo) {
            // h: the line end just before a date line that follows an empty line.
            const bool atStart = headerScan == 0 && bytes.startsWith("\r\n[");
            qsizetype h = atStart ? 1 : Find(bytes, "\n\r\n[", headerScan);
            if (h >= 0 && !atStart)
                h += 2;
            if (h < 0 || h >= upTo) {
                headerScan = upTo;
                return;
            }
            const qsizetype end = bytes.indexOf('\n', h + 1);
            QByteArrayView header = bytes.sliced(h + 1, (end < 0 ? bytes.size() : end) - h - 1);
            if (header.endsWith('\r'))
                header.chop(1);
            if (const QDate d = chat::LogHeaderDate(header); d.isValid())
                date = d;
            headerScan = h + 1;
        }
    };
    qint64 lineNumber = 0;
    qsizetype lineCounted = 0;
    // Searched a block at a time (folded first for a case-blind search), so the
    // first results come while the rest of the file waits.
    constexpr qsizetype Block = 1024 * 1024;
    QByteArray folded;
    for (qsizetype blockStart = 0; blockStart < bytes.size();) {
        if (Stopped(stop))
            return false;
        qsizetype blockEnd = qMin(bytes.size(), blockStart + Block);
        if (blockEnd < bytes.size()) { // whole lines only
            const qsizetype newline = bytes.indexOf('\n', blockEnd);
            blockEnd = newline < 0 ? bytes.size() : newline + 1;
        }
        const QByteArrayView block = bytes.sliced(blockStart, blockEnd - blockStart);
        if (fold)
            FoldInto(block, *fold, folded);
        const QByteArrayView searched = fold ? QByteArrayView(folded) : block;
        for (qsizetype at = Find(searched, needle, 0); at >= 0;) {
            const qsizetype lineStart =
                blockStart + (at == 0 ? 0 : searched.lastIndexOf('\n', at - 1) + 1);
            qsizetype lineEnd = bytes.indexOf('\n', blockStart + at);
            if (lineEnd < 0)
                lineEnd = bytes.size();
            takeHeaders(lineStart);
            lineNumber += std::count(bytes.begin() + lineCounted, bytes.begin() + lineStart, '\n');
            lineCounted = lineStart;
            QByteArrayView raw = bytes.sliced(lineStart, lineEnd - lineStart);
            if (raw.endsWith('\r'))
                raw.chop(1);
            const qsizetype next = lineEnd + 1 - blockStart;
            at = next < searched.size() ? Find(searched, needle, next) : -1;
            if (chat::LogHeaderDate(raw).isValid()) // a match in a session's date is no line
                continue;
            SearchHit hit{conversation, path, date, {}, {}, text.decode(raw), lineNumber, {}};
            TakeApart(raw, hit);
            if ((q.nick.isEmpty() || hit.nick.compare(q.nick, Qt::CaseInsensitive) == 0) &&
                InDays(date, q) && !found(hit))
                return false;
        }
        blockStart = blockEnd;
    }
    return true;
}

bool SearchArchive(const QString& path, const SearchQuery& q, const net::WireText& text,
                   const std::function<bool(const SearchHit&)>& found,
                   const std::atomic<bool>* stop)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QList<messages::ArchiveRecord> records = messages::ReadArchive(
        file.readAll(), text, [stop](qsizetype, qsizetype) { return !Stopped(stop); });
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (Stopped(stop))
            return false;
        const messages::ArchiveRecord& r = records[i];
        const bool matches = r.text.contains(q.text, q.cs) || r.sender.contains(q.text, q.cs) ||
                             r.recipient.contains(q.text, q.cs);
        const QString nick = r.outgoing ? r.recipient : r.sender;
        const QDate date = QDate::fromString(r.dateTime.left(10), u"dd.MM.yyyy"_s);
        if (!matches || !InDays(date, q) ||
            (!q.nick.isEmpty() && r.sender.compare(q.nick, Qt::CaseInsensitive) != 0 &&
             r.recipient.compare(q.nick, Qt::CaseInsensitive) != 0))
            continue;
        const SearchHit hit{ArchiveName, path,
                            date,        r.dateTime.mid(11),
                            nick,        QString(r.text).replace(u"\r\n"_s, u" "_s).trimmed(),
                            qint64(i),   r};
        if (!found(hit))
            return false;
    }
    return true;
}

} // namespace

QString ConversationOfLog(const QString& fileName)
{
    return fileName == ArchiveFile ? ArchiveName : fileName.chopped(4);
}

bool SearchLogs(const QString& directory, const SearchQuery& query, const net::WireText& text,
                const std::function<bool(const SearchHit&)>& found,
                const std::function<void(qint64 done, qint64 total)>& progress,
                const std::atomic<bool>* stop)
{
    if (query.text.isEmpty())
        return true;
    // Oldest first, so that what was said last is found last.
    const QFileInfoList logs =
        QDir(directory).entryInfoList({u"*.log"_s}, QDir::Files, QDir::Time | QDir::Reversed);
    qint64 total = 0, done = 0;
    for (const QFileInfo& log : logs)
        total += log.size();
    // Bytes of the code page; a case-blind search runs over folded bytes.
    const bool blind = query.cs == Qt::CaseInsensitive;
    const Fold fold = FoldOf(text);
    QByteArray needle = text.encode(blind ? query.text.toLower() : query.text);
    if (blind)
        FoldInto(QByteArray(needle), fold, needle);
    for (const QFileInfo& log : logs) {
        const QString conversation = ConversationOfLog(log.fileName());
        if (!query.conversation.isEmpty() && conversation != query.conversation)
            continue;
        const bool whole = log.fileName() == ArchiveFile
                               ? SearchArchive(log.filePath(), query, text, found, stop)
                               : SearchLog(log.filePath(), conversation, query, text, needle,
                                           blind ? &fold : nullptr, found, stop);
        if (!whole)
            return false;
        done += log.size();
        if (progress)
            progress(done, total);
    }
    return true;
}

QStringList LogLinesAround(const QString& file, qint64 lineNumber, int context,
                           const net::WireText& text)
{
    QFile log(file);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    qint64 number = 0;
    while (!log.atEnd()) {
        QByteArray line = log.readLine();
        if (number >= lineNumber - context && number <= lineNumber + context) {
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            lines.append(text.decode(line));
        }
        if (++number > lineNumber + context)
            break;
    }
    return lines;
}

} // namespace quorvelle::history
