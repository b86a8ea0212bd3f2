#include "platform/memory_status.h"

#include <QFile>
#include <algorithm>
#include <cmath>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace quorvelle::platform {

namespace {

// The value of a "Key:   12345 kB" line; nullopt when it is not a number.
std::optional<quint64> MeminfoValue(QByteArrayView value)
{
    value = value.trimmed();
    if (value.endsWith("kB"))
        value = value.chopped(2).trimmed();
    bool ok = false;
    const quint64 number = value.toULongLong(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

} // namespace

std::optional<MemoryStatus> ParseMeminfo(QByteArrayView text)
{
    std::optional<quint64> total;
    std::optional<quint64> available;
    while (!text.isEmpty()) {
        qsizetype end = text.indexOf('\n');
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.first(end);
        text = text.sliced(std::min(end + 1, text.size()));

        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArrayView key = line.first(colon);
        std::optional<quint64>* field = key == "MemTotal"       ? &total
                                        : key == "MemAvailable" ? &available
                                                                : nullptr;
        if (!field || field->has_value())
            continue;
        *field = MeminfoValue(line.sliced(colon + 1));
        if (!field->has_value())
            return std::nullopt;
    }
    if (!total || !available || *total == 0)
        return std::nullopt;

    // Available can briefly exceed the total while the kernel updates its counters.
    const quint64 used = *available < *total ? *total - *available : 0;
    const double load = std::round(double(used) * 100.0 / double(*total));
    return MemoryStatus{int(std::clamp(load, 0.0, 100.0)), *total};
}

std::optional<MemoryStatus> GetMemoryStatus()
{
#if defined(Q_OS_WIN)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return std::nullopt;
    return MemoryStatus{int(std::min<DWORD>(status.dwMemoryLoad, 100)),
                        quint64(status.ullTotalPhys / 1024)};
#elif defined(Q_OS_LINUX)
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseMeminfo(file.readAll());
#else
    return std::nullopt;
#endif
}

} // namespace quorvelle::platform
