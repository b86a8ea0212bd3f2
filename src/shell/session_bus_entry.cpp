#include "shell/session_bus_entry.h"

#include "chat/chat_session.h"
#include "chat/session_commands.h"
#include "net/ipv4_text.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusReply>

namespace quorvelle::shell {

namespace {

const QString Service = QStringLiteral("org.halvorenwerk.Quorvelle");
const QString Failed = QStringLiteral("org.halvorenwerk.Quorvelle.Error.Failed");

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const BusUser& user)
{
    argument.beginStructure();
    argument << user.nick << user.status << user.address;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, BusUser& user)
{
    argument.beginStructure();
    argument >> user.nick >> user.status >> user.address;
    argument.endStructure();
    return argument;
}

SessionBusEntry::SessionBusEntry(chat::ChatSession* session, QObject* parent)
    : QObject(parent), m_session(session)
{
    qDBusRegisterMetaType<BusUser>();
    qDBusRegisterMetaType<QList<BusUser>>();
    if (!session)
        return;
    connect(session, &chat::ChatSession::lineShown, this, &SessionBusEntry::LineShown);
    connect(session, &chat::ChatSession::peerJoinedNet, this, &SessionBusEntry::UserJoined);
    connect(session, &chat::ChatSession::peerLeftNet, this, &SessionBusEntry::UserLeft);
    connect(&session->transfers().queue(), &transfer::FilesQueue::ended, this,
            [this](transfer::Direction direction, const transfer::TransferInfo& info) {
                if (direction == transfer::Direction::Receive && info.state == transfer::ReceiveOk)
                    emit FileReceived(info.nickName, info.fileName);
            });
}

bool SessionBusEntry::registerOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerService(Service))
        return false;
    return bus.registerObject(QStringLiteral("/"), this,
                              QDBusConnection::ExportScriptableSlots |
                                  QDBusConnection::ExportScriptableSignals);
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

void SessionBusEntry::run(const std::function<QString()>& command)
{
    const QString error = m_session ? command() : QStringLiteral("not running");
    if (!error.isEmpty() && calledFromDBus())
        sendErrorReply(Failed, error);
}

void SessionBusEntry::SendLine(const QString& conversation, const QString& text)
{
    run([&] { return chat::SessionCommands(*m_session).sendLine(conversation, text); });
}

void SessionBusEntry::SendMessage(const QString& nick, const QString& text)
{
    run([&] { return chat::SessionCommands(*m_session).sendMessage(nick, text); });
}

void SessionBusEntry::SendFile(const QString& nick, const QString& path)
{
    run([&] { return chat::SessionCommands(*m_session).sendFile(nick, path); });
}

void SessionBusEntry::SetStatus(const QString& status)
{
    run([&] { return chat::SessionCommands(*m_session).setStatus(status); });
}

void SessionBusEntry::SetNick(const QString& nick)
{
    run([&] { return chat::SessionCommands(*m_session).setNick(nick); });
}

QList<BusUser> SessionBusEntry::ListUsers()
{
    QList<BusUser> users;
    if (m_session)
        for (const chat::ListedUser& user : chat::SessionCommands(*m_session).users())
            users.append({user.nick, QString(user.status), net::IpToText(user.address)});
    return users;
}

QStringList SessionBusEntry::ListConversations()
{
    return m_session ? chat::SessionCommands(*m_session).conversations() : QStringList();
}

} // namespace quorvelle::shell
