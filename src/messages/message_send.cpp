#include "messages/message_send.h"

#include "chat/chat_session.h"
#include "messages/message_archive.h"

namespace quorvelle::messages {

bool SendMessageText(chat::ChatSession& session, const QString& recipient, const QString& rawText)
{
    if (rawText.isEmpty())
        return false;
    const settings::SessionState& state = session.state();
    net::NetSession& net = session.net();
    if (recipient.isEmpty()) {
        net.link().SendBroadcast(net.packets().MassMessage(state.MyNick, rawText));
    } else {
        const int index = net.registry().FindUser(recipient);
        if (index < 0 || presence::IsOffline(net.registry().status(index)))
            return false;
        net.link().SendToUser(net.packets().Message(state.MyNick, recipient, rawText), recipient);
    }
    if (state.switches.LogMess)
        AppendArchiveRecord(
            session.logs(),
            ArchiveRecord{true, ArchiveDateTime(QDateTime::currentDateTime()), state.MyNick,
                          recipient.isEmpty() ? QString(MassRecipient) : recipient, rawText});
    return true;
}

} // namespace quorvelle::messages
