#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

namespace quorvelle::chat {
class ChatSession;
}

namespace quorvelle::shell {

// A user as a script sees it: nick, status digit, address.
struct BusUser
{
    QString nick;
    QString status;
    QString address;
};

// What other programs may ask of the running copy over the session bus: service
// org.halvorenwerk.Quorvelle, object "/", interface org.halvorenwerk.Quorvelle
// (described in org.halvorenwerk.Quorvelle.xml, installed under
// share/dbus-1/interfaces). A call that cannot be done answers with the error
// org.halvorenwerk.Quorvelle.Error.Failed and the reason.
class SessionBusEntry : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.halvorenwerk.Quorvelle")

public:
    // Without a session the calls that act on one fail (a second start only asks
    // the running copy to show itself).
    explicit SessionBusEntry(chat::ChatSession* session = nullptr, QObject* parent = nullptr);
    // False (and nothing registered) without a session bus or when the name is taken.
    bool registerOnSessionBus();

    // From a second start: asks the running copy to show its window; false when
    // no copy answers.
    static bool AskRunningCopyToShow();

public slots:
    Q_SCRIPTABLE void UpdateUsersList();
    Q_SCRIPTABLE void Show();
    // A chat line to an open channel or private chat.
    Q_SCRIPTABLE void SendLine(const QString& conversation, const QString& text);
    // A popup message; an empty nick sends it to everybody.
    Q_SCRIPTABLE void SendMessage(const QString& nick, const QString& text);
    Q_SCRIPTABLE void SendFile(const QString& nick, const QString& path);
    // "0" Normal, "1" DND, "2" Away, "3" Offline.
    Q_SCRIPTABLE void SetStatus(const QString& status);
    Q_SCRIPTABLE void SetNick(const QString& nick);
    Q_SCRIPTABLE QList<quorvelle::shell::BusUser> ListUsers();
    Q_SCRIPTABLE QStringList ListConversations();

signals:
    void updateRequested();
    void showRequested();

    Q_SCRIPTABLE void LineShown(const QString& conversation, const QString& line);
    Q_SCRIPTABLE void MessageReceived(const QString& nick, const QString& text);
    Q_SCRIPTABLE void FileReceived(const QString& nick, const QString& path);
    Q_SCRIPTABLE void UserJoined(const QString& nick);
    Q_SCRIPTABLE void UserLeft(const QString& nick);

private:
    // Runs a session command; its error, if any, becomes the call's error reply.
    void run(const std::function<QString()>& command);

    chat::ChatSession* m_session;
};

QDBusArgument& operator<<(QDBusArgument& argument, const BusUser& user);
const QDBusArgument& operator>>(const QDBusArgument& argument, BusUser& user);

} // namespace quorvelle::shell

Q_DECLARE_METATYPE(quorvelle::shell::BusUser)
