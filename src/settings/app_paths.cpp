#include "settings/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvelle::settings {

namespace {

QString withSlash(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

QString DataDirectory()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    // A portable copy carries a marker file beside the executable; installed
    // copies keep their data per user.
    if (!programDir.isEmpty() && QFileInfo(programDir).isWritable() &&
        QFileInfo::exists(programDir + QStringLiteral("/portable")))
        return withSlash(programDir);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.quorvelle");
    return withSlash(dir);
}

QString ShippedDataDirectory()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    if (programDir.isEmpty())
        return QStringLiteral("./");
    if (QFileInfo(programDir + QStringLiteral("/Sounds")).isDir())
        return withSlash(programDir);
    // The install's layout; found relative to the program so any prefix works.
    return withSlash(QDir::cleanPath(programDir + QStringLiteral("/../share/quorvelle")));
}

} // namespace quorvelle::settings
