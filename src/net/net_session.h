#pragma once

// The protocol side of a running peer, put together: wire text, sockets, users
// registry, packets, outgoing actions and the dispatcher, reporting to the sinks.
// A chat session (chat/chat_session.h) owns one and fills in the sinks.

#include "net/codec.h"
#include "net/dispatcher.h"
#include "net/outgoing_actions.h"
#include "net/packet_link.h"
#include "net/packets.h"
#include "net/refresh_recheck.h"
#include "net/sinks.h"
#include "net/transport.h"
#include "net/wire_text.h"
#include "presence/users_registry.h"

#include <QObject>

namespace quorvelle::net {

class NetSession : public QObject, private PacketLink
{
    Q_OBJECT

public:
    // sinks.conversations must be set before the first datagram is read.
    NetSession(settings::SessionState& state, const QByteArray& codepage,
               MachineInfo machine = MachineInfo::system(), QObject* parent = nullptr);

    // Loads the broadcast table (AddrList value names) and opens the sockets;
    // false when the UDP port could not be bound.
    bool open(quint16 port, const QStringList& addrList);
    // The exit sequence has begun: nothing more is read or dispatched.
    void beginExit();

    UdpTransport& transport() { return m_transport; }
    presence::UsersRegistry& registry() { return m_registry; }
    OutgoingActions& actions() { return m_actions; }
    Dispatcher& dispatcher() { return m_dispatcher; }
    const Packets& packets() const { return m_packets; }
    const WireText& wireText() const { return m_text; }
    // Packets, logs and the archive use it from now on.
    void setCodepage(const QByteArray& codepage) { m_text.setCodepage(codepage); }
    PacketLink& link() { return *this; }
    Sinks& sinks() { return m_sinks; }

private:
    void SendBroadcast(const QByteArray& packet) override;
    void SendToUser(const QByteArray& packet, const QString& nick) override;
    void SendToAddress(const QByteArray& packet, quint32 address) override;
    void socketError(const QString& text);

    settings::SessionState& m_state;
    Sinks m_sinks{};
    WireText m_text;
    Packets m_packets{m_text};
    DatagramSeq m_seq = DatagramSeq::random();
    UdpTransport m_transport{m_seq};
    presence::UsersRegistry m_registry;
    OutgoingActions m_actions;
    Dispatcher m_dispatcher;
    RefreshRecheck m_recheck;
};

} // namespace quorvelle::net
