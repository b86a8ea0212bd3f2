#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace quorvelle::platform {

SingleInstance::SingleInstance(const QString& settingsLocation)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QByteArray id = QCryptographicHash::hash(QDir::cleanPath(settingsLocation).toUtf8(),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(16);
    m_lock = std::make_unique<QLockFile>(dir + QStringLiteral("/quorvelle-") +
                                         QString::fromLatin1(id) + QStringLiteral(".lock"));
}

bool SingleInstance::tryLock()
{
    return m_lock->tryLock(0);
}

} // namespace quorvelle::platform
