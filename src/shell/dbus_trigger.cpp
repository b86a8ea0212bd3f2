#include "shell/dbus_trigger.h"

#include <QDBusConnection>

namespace quorvelle::shell {

UsersListTrigger::UsersListTrigger(QObject* parent) : QObject(parent) {}

bool UsersListTrigger::registerOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerService(QStringLiteral("org.halvorenwerk.Quorvelle")))
        return false;
    return bus.registerObject(QStringLiteral("/"), this, QDBusConnection::ExportScriptableSlots);
}

void UsersListTrigger::UpdateUsersList()
{
    emit updateRequested();
}

} // namespace quorvelle::shell
