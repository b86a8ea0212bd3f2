#include "settings/program_info.h"

#include <QSysInfo>

namespace quorvelle::settings {

QString GetVersionText()
{
    return QStringLiteral(QUORVELLE_VERSION);
}

QString WindowCaption()
{
    return QStringLiteral("Quorvelle v.") + GetVersionText();
}

QString GetComputerNameText()
{
    return QSysInfo::machineHostName();
}

QString IpToText(quint32 ipv4)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ipv4 >> 24)
        .arg((ipv4 >> 16) & 0xFF)
        .arg((ipv4 >> 8) & 0xFF)
        .arg(ipv4 & 0xFF);
}

} // namespace quorvelle::settings
