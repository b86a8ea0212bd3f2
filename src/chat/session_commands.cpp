#include "chat/session_commands.h"

#include "chat/chat_session.h"
#include "messages/message_send.h"
#include "messages/raw_text.h"

#include <QFileInfo>

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;

QString SessionCommands::sendLine(const QString& conversation, const QString& text)
{
    if (!m_session.conversations().exists(conversation))
        return u"no conversation "_s + conversation;
    m_session.actions().SendChatLine(conversation, text);
    return {};
}

QString SessionCommands::sendMessage(const QString& nick, const QString& text)
{
    // Sent, as from the message window, with a final CR LF.
    const QString raw = messages::RebuildRawText(text, {}, {});
    if (text.isEmpty() || !messages::SendMessageText(m_session, nick, raw))
        return u"message not sent"_s;
    return {};
}

QString SessionCommands::sendFile(const QString& nick, const QString& path)
{
    const QFileInfo file(path);
    if (nick.isEmpty() || !file.isFile() ||
        m_session.transfers().queue().addFiles({file.absoluteFilePath()}, {nick}) == 0)
        return u"file not queued"_s;
    return {};
}

QString SessionCommands::setStatus(const QString& digit)
{
    const auto status = presence::StatusFromText(digit);
    if (!status)
        return u"status is 0, 1, 2 or 3"_s;
    m_session.actions().ChangeStatus(*status);
    return {};
}

QString SessionCommands::setNick(const QString& nick)
{
    return m_session.actions().RequestNickChange(nick) ? QString() : u"nick refused"_s;
}

QList<ListedUser> SessionCommands::users() const
{
    const presence::UsersRegistry& registry = m_session.net().registry();
    QList<ListedUser> users;
    for (int i = 0; i < registry.count(); ++i)
        users.append({registry.ItemNick(i), registry.status(i), registry.address(i)});
    return users;
}

QStringList SessionCommands::conversations() const
{
    return m_session.conversations().names();
}

} // namespace quorvelle::chat
