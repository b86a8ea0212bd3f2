#include "messages/message_receiver.h"

#include "chat/chat_session.h"
#include "messages/message_archive.h"

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;
using presence::Status;

MessageReceiver::MessageReceiver(chat::ChatSession& session, Show show,
                                 std::function<QDateTime()> clock)
    : m_session(session), m_show(std::move(show)), m_clock(std::move(clock))
{}

void MessageReceiver::receiveMessage(const QString& caption, const QString& text)
{
    settings::SessionState& state = m_session.state();
    if (state.MyStatus == Status::Offline)
        return;
    const IncomingMessage message{caption, caption.mid(3), text, m_clock(),
                                  caption.size() > 1 && caption[1] == u'='};
    m_session.net().link().SendToUser(
        m_session.net().packets().MessageReceived(state.MyNick, message.sender, state.MyStatus),
        message.sender);

    m_show(message);

    const settings::Switches& on = state.switches;
    if (on.LogMess)
        m_session.logs().AppendLogLine(QString(ArchiveFileName),
                                       ArchiveRecordText(ArchiveRecord{
                                           false, ArchiveDateTime(message.received), message.sender,
                                           message.mass ? u"All"_s : state.MyNick, text}));
    if (on.RecvMess)
        m_session.output().AddChatLine(
            net::ChatLine::system(net::MainConversation,
                                  (message.mass ? u"Mass Message from "_s : u"Message from "_s) +
                                      message.sender + u" received"_s,
                                  net::LineColour::ReceiveMessage, on));
    m_session.sinks().sounds->playSoundEvent(message.mass ? net::SoundReceiveMassMessage
                                                          : net::SoundReceiveMessage);
}

} // namespace quorvelle::messages
