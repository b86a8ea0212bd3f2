#pragma once

// What a script may ask of a running peer, one call an action, the same for the
// headless peer's commands and the session bus: each gives an empty text when
// done, else what went wrong, in words for the person writing the script.

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvelle::chat {

class ChatSession;

struct ListedUser
{
    QString nick;
    QChar status; // "0" Normal, "1" DND, "2" Away, "3" Offline
    quint32 address = 0;
};

class SessionCommands
{
public:
    explicit SessionCommands(ChatSession& session) : m_session(session) {}

    // A chat line to an open conversation (a channel or a private chat).
    QString sendLine(const QString& conversation, const QString& text);
    // A popup message typed on one line; an empty nick sends it to everybody.
    QString sendMessage(const QString& nick, const QString& text);
    // Queues the file for the nick; it goes when the files queue has room.
    QString sendFile(const QString& nick, const QString& path);
    QString setStatus(const QString& digit);
    QString setNick(const QString& nick);

    QList<ListedUser> users() const;
    QStringList conversations() const;

private:
    ChatSession& m_session;
};

} // namespace quorvelle::chat
