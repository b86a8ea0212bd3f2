#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

namespace quorvelle::platform {

struct MemoryStatus
{
    int loadPercent = 0; // physical memory in use, 0..100
    quint64 totalKb = 0; // total physical memory in KB (bytes / 1024)
};

// nullopt where the system does not tell.
std::optional<MemoryStatus> GetMemoryStatus();

// Reads MemTotal and MemAvailable from the text of /proc/meminfo; nullopt when either is
// missing or unreadable, or the total is zero.
std::optional<MemoryStatus> ParseMeminfo(QByteArrayView text);

} // namespace quorvelle::platform
