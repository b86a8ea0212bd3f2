#include "chat/chat_session.h"

#include "settings/program_info.h"
#include "settings/session_state.h"

namespace quorvelle::chat {

using namespace Qt::Literals::StringLiterals;
using net::ConversationKind;

ChatSession::ChatSession(settings::SessionState& state, const QByteArray& codepage,
                         net::MachineInfo machine, std::function<QDateTime()> clock,
                         QObject* parent)
    : QObject(parent), m_state(state), m_net(state, codepage, std::move(machine)),
      m_conversations([this](ConversationKind kind, const QString& name) {
          m_net.actions().AnnounceConversation(kind, name);
      }),
      m_logs(m_net.wireText()), m_output(state, m_conversations, m_logs, m_net.sinks(),
                                         settings::WindowCaption(), std::move(clock)),
      m_transfers(m_net.registry(), state, codepage)
{
    m_net.sinks().conversations = this;
    m_net.sinks().presence = this;
    m_output.setLineObserver([this](const QString& conversation, const QString& line) {
        emit lineShown(conversation, line);
    });
    // Every arrival and every end of a file is seen in the chat, window open or not.
    connect(&m_transfers.queue(), &transfer::FilesQueue::ended, this,
            [this](transfer::Direction direction, const transfer::TransferInfo& info) {
                const bool ok = info.state == transfer::SendOk || info.state == transfer::ReceiveOk;
                net::ChatLine line = net::ChatLine::system(
                    net::MainConversation, transfer::TransferEndLine(direction, info),
                    ok ? net::LineColour::ReceiveMessage : net::LineColour::SystemErrors,
                    m_state.switches);
                line.markup = false;
                m_output.AddChatLine(line);
            });
}

bool ChatSession::open(quint16 port, const QStringList& addrList)
{
    m_transfers.openFilePort(port);
    return m_net.open(port, addrList);
}

void ChatSession::setCodepage(const QByteArray& codepage)
{
    m_net.setCodepage(codepage);
    m_transfers.setCodepage(codepage);
}

void ChatSession::RestoreConversations(const QStringList& channels)
{
    m_output.writeDateHeader(net::MainConversation);
    m_output.OpenConversation(net::MainConversation, false, ConversationKind::Main);
    for (const QString& channel : channels) {
        if (!channel.startsWith(u'#') || m_conversations.exists(channel))
            continue;
        m_output.writeDateHeader(channel);
        m_output.OpenConversation(channel, false, ConversationKind::Channel);
    }
}

void ChatSession::GreetNet()
{
    actions().RefreshUsersList();
    actions().AskSubject();
}

void ChatSession::OpenForUser(const QString& name)
{
    if (name.isEmpty())
        return;
    m_output.OpenConversation(
        name, true, name.startsWith(u'#') ? ConversationKind::Channel : ConversationKind::Private);
    m_conversations.TabControl1Change(m_conversations.TabIndexOf(name));
}

bool ChatSession::Leave()
{
    if (m_leaving)
        return false;
    m_leaving = true;
    actions().LeaveAll(m_conversations.names());
    m_net.beginExit();
    return true;
}

void ChatSession::addChatLine(const net::ChatLine& line)
{
    m_output.AddChatLine(line);
}

bool ChatSession::conversationExists(const QString& name) const
{
    return m_conversations.exists(name);
}

QStringList ChatSession::conversationNames() const
{
    return m_conversations.names();
}

void ChatSession::renameConversation(const QString& from, const QString& to)
{
    m_conversations.renameConversation(from, to);
    emit peerRenamed(from, to);
}

} // namespace quorvelle::chat
