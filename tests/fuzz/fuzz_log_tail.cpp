// A conversation log as a crash, a full disk or another program may have left it,
// read from its end with any limits: at most the asked number of lines, each one
// line, none empty, and nothing crashes or reads out of bounds.
#include "history/log_tail.h"

#include <QBuffer>
#include <cstdlib>

using namespace quorvelle;
using namespace quorvelle::history;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const net::WireText text("windows-1251");
    if (size < 2)
        return 0;
    // The first two bytes choose the limits; the rest is the log.
    TailLimits limits;
    limits.lines = 1 + data[0] % 60;
    limits.bytes = 1 + qint64(data[1]) * 97;
    QByteArray log(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    QBuffer buffer(&log);
    buffer.open(QIODevice::ReadOnly);
    const QDateTime now(QDate(2026, 12, 7), QTime(10, 0));
    const QStringList lines = RecentLogLines(buffer, now.addSecs(-60), now, text, limits);
    if (lines.size() > limits.lines)
        std::abort();
    for (const QString& line : lines)
        if (line.isEmpty() || line.contains(u'\n'))
            std::abort();
    return 0;
}
