#include "net/net_session.h"

#include "settings/session_state.h"

namespace quorvelle::net {

using namespace Qt::Literals::StringLiterals;

NetSession::NetSession(settings::SessionState& state, const QByteArray& codepage,
                       MachineInfo machine, QObject* parent)
    : QObject(parent), m_state(state), m_text(codepage),
      m_actions(m_registry, state, *this, m_packets, std::move(machine)),
      m_dispatcher(m_registry, state, *this, m_packets, m_text, m_actions, m_sinks),
      m_recheck(m_registry,
                RecheckLink{
                    .askAddress = [this](quint32 address) { m_actions.AskWhoIsThere(address); },
                    .askNet = [this] { m_actions.AskWhoIsThere(); },
                    .systemDrops = [this] { return m_transport.systemDrops(); },
                    .myNick = [this] { return m_state.MyNick; },
                })
{
    connect(&m_transport, &UdpTransport::datagramReceived, this,
            [this](const QByteArray& datagram, quint32 source) {
                m_dispatcher.DispatchDatagram(datagram, source);
            });
    connect(&m_transport, &UdpTransport::sendFailed, this,
            [this] { socketError(u"OutSocket Error !"_s); });
    connect(&m_transport, &UdpTransport::receiveFailed, this,
            [this] { socketError(u"InSocket Error !"_s); });
}

bool NetSession::open(quint16 port, const QStringList& addrList)
{
    m_transport.LoadBroadcastAddrs(addrList);
    return m_transport.OpenSockets(port);
}

void NetSession::beginExit()
{
    m_transport.setExiting(true);
    m_dispatcher.setExiting(true);
}

void NetSession::SendBroadcast(const QByteArray& packet)
{
    m_transport.SendBroadcast(packet);
}

void NetSession::SendToUser(const QByteArray& packet, const QString& nick)
{
    m_transport.SendTo(packet, m_registry.UserAddress(nick, m_state.MyNick));
}

void NetSession::SendToAddress(const QByteArray& packet, quint32 address)
{
    m_transport.SendTo(packet, address);
}

void NetSession::socketError(const QString& text)
{
    if (m_state.switches.SysErrors && m_sinks.conversations)
        m_sinks.conversations->addChatLine(
            ChatLine::system(MainConversation, text, LineColour::SystemErrors, m_state.switches));
}

} // namespace quorvelle::net
