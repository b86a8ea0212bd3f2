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

} // namespace quorvelle::settings
