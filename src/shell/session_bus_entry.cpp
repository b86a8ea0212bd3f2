#include "shell/session_bus_entry.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace quorvelle::shell {

namespace {

const QString Service = QStringLiteral("org.halvorenwerk.Quorvelle");

} // namespace

SessionBusEntry::SessionBusEntry(QObject* parent) : QObject(parent) {}

bool SessionBusEntry::registerOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerService(Service))
        return false;
    return bus.registerObject(QStringLiteral("/"), this, QDBusConnection::ExportScriptableSlots);
}

bool SessionBusEntry::AskRunningCopyToShow()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface running(Service, QStringLiteral("/"), Service, bus);
    running.setTimeout(2000);
    return QDBusReply<void>(running.call(QStringLiteral("Show"))).isValid();
}

void SessionBusEntry::UpdateUsersList()
{
    emit updateRequested();
}

void SessionBusEntry::Show()
{
    emit showRequested();
}

} // namespace quorvelle::shell
