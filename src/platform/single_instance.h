#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace quorvelle::platform {

// One running copy per user and settings file: a lock file in the runtime
// directory, named after the settings it guards, so copies with other
// configuration directories run side by side. A killed copy's stale lock is taken
// over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& settingsLocation);
    // False when another copy holds the lock.
    bool tryLock();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace quorvelle::platform
