// The history search over 200 MB of generated logs in the program's own format,
// beside `grep -F -c` on the same files in the same run; the time to the first
// result; and the time to open a conversation's recent history from a 100 MB log.
// Goals: at least 0.5 of grep's throughput, the first result within 50 ms, recent
// history within 10 ms.
#include "history/log_search.h"
#include "history/log_tail.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

using namespace quorvelle;

namespace {

constexpr qint64 MiB = 1024 * 1024;

// A log of about `bytes`: sessions of stamped lines from several nicks, the needle
// in one line of every 5 000.
bool WriteLog(const QString& path, qint64 bytes, int seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    static const char* const nicks[] = {"Ann", "Bob", "Carl", "Dora", "Egor"};
    static const char* const words[] = {
        "lunch",  "build",  "meeting", "coffee", "deploy", "\xcf\xf0\xe8\xe2\xe5\xf2",
        "report", "window", "later",   "today"};
    QByteArray chunk;
    qint64 written = 0;
    int day = 1, n = seed;
    while (written < bytes) {
        chunk += "\r\n[" + QByteArray::number(10 + day % 18) + ".11.2026]\r\n";
        for (int line = 0; line < 2000; ++line, ++n) {
            chunk += '[' + QByteArray::number(10 + line / 200).rightJustified(2, '0') + ':' +
                     QByteArray::number(line % 60).rightJustified(2, '0') + "] <" + nicks[n % 5] +
                     "> ";
            for (int w = 0; w < 8; ++w)
                chunk += QByteArray(words[(n * 7 + w * 3) % 10]) + ' ';
            if (n % 5000 == 0)
                chunk += "needle ";
            chunk += "\r\n";
        }
        ++day;
        if (chunk.size() > 4 * MiB) {
            written += file.write(chunk);
            chunk.clear();
        }
    }
    written += file.write(chunk);
    return written > 0;
}

double Mb(qint64 bytes, double seconds)
{
    return seconds > 0 ? double(bytes) / 1e6 / seconds : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const net::WireText text("windows-1251");
    qint64 total = 0;
    for (int i = 0; i < 8; ++i) {
        const QString path = dir.filePath(QStringLiteral("#Room%1.log").arg(i));
        if (!WriteLog(path, 25 * MiB, i * 1000)) {
            std::printf("cannot write logs in %s\n", qPrintable(dir.path()));
            return 1;
        }
        total += QFileInfo(path).size();
    }
    std::printf("logs: %lld bytes in 8 files\n", static_cast<long long>(total));

    for (const auto cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        history::SearchQuery query{QStringLiteral("needle"), cs};
        qint64 firstNs = -1;
        int hits = 0;
        QElapsedTimer clock;
        clock.start();
        history::SearchLogs(dir.path(), query, text, [&](const history::SearchHit&) {
            if (firstNs < 0)
                firstNs = clock.nsecsElapsed();
            ++hits;
            return true;
        });
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        std::printf("search (%s): %d hits in %.3f s, %.0f MB/s; first result after %.1f ms "
                    "(goal < 50 ms)\n",
                    cs == Qt::CaseSensitive ? "match case" : "any case", hits, seconds,
                    Mb(total, seconds), double(firstNs) / 1e6);
        if (cs == Qt::CaseInsensitive) {
            const QString grep = QStandardPaths::findExecutable(QStringLiteral("grep"));
            if (grep.isEmpty()) {
                std::printf("grep not found: no comparison\n");
                continue;
            }
            QStringList args{QStringLiteral("-F"), QStringLiteral("-c"), QStringLiteral("-i"),
                             QStringLiteral("needle")};
            for (const QFileInfo& log : QDir(dir.path()).entryInfoList({QStringLiteral("*.log")}))
                args.append(log.filePath());
            QElapsedTimer g;
            g.start();
            QProcess::execute(grep,
                              args + QStringList{QStringLiteral("-q")}); // warm the cache alike
            g.restart();
            QProcess process;
            process.start(grep, args);
            process.waitForFinished(-1);
            const double grepSeconds = double(g.nsecsElapsed()) / 1e9;
            std::printf("grep -F -c -i: %.3f s, %.0f MB/s; search / grep: %.2f (goal >= 0.50)\n",
                        grepSeconds, Mb(total, grepSeconds), grepSeconds / seconds);
        }
    }

    const QString big = dir.filePath(QStringLiteral("Big.log"));
    WriteLog(big, 100 * MiB, 7);
    QFile::resize(big, QFileInfo(big).size()); // flushed
    const QDateTime now = QFileInfo(big).lastModified().addSecs(60);
    QElapsedTimer tail;
    tail.start();
    const QStringList recent = history::RecentLogLines(big, now, text);
    std::printf("recent history of a %lld MB log: %lld lines in %.2f ms (goal < 10 ms)\n",
                static_cast<long long>(QFileInfo(big).size() / 1000000),
                static_cast<long long>(recent.size()), double(tail.nsecsElapsed()) / 1e6);
    return 0;
}
