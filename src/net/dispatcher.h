#pragma once

// The receive handler: decodes each datagram, finds or admits its sender, drops
// repeats, and carries out the command. The program hears its own broadcasts, so
// this is also where its own lines, nick and subject take effect.

#include "net/held_datagrams.h"
#include "net/sinks.h"

#include <QByteArray>
#include <QDateTime>
#include <functional>

namespace quorvelle::presence {
class UsersRegistry;
}
namespace quorvelle::settings {
struct SessionState;
}

namespace quorvelle::net {

class OutgoingActions;
class PacketLink;
class Packets;
class ReceivedPacket;
class WireText;

class Dispatcher
{
public:
    // The sinks are read at every datagram, so they may be set after construction.
    Dispatcher(presence::UsersRegistry& registry, settings::SessionState& state, PacketLink& link,
               const Packets& packets, const WireText& text, OutgoingActions& actions,
               const Sinks& sinks, std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    // One datagram as read from the socket; source in host byte order.
    void DispatchDatagram(const QByteArray& datagram, quint32 source);

    // Once the exit sequence has begun nothing more is handled.
    void setExiting(bool exiting) { m_exiting = exiting; }

private:
    void handle(const ReceivedPacket& p, quint32 source);
    void systemLine(const QString& conversation, const QString& text, LineColour colour,
                    const QString& nick = QString());
    void takeSubjectOver(const ReceivedPacket& p);
    void takeReplySubjectOver(const ReceivedPacket& p);
    void rename(const ReceivedPacket& p);

    presence::UsersRegistry& m_registry;
    settings::SessionState& m_state;
    PacketLink& m_link;
    HeldDatagrams m_held;
    const Packets& m_packets;
    const WireText& m_text;
    OutgoingActions& m_actions;
    const Sinks& m_sinks;
    std::function<QDateTime()> m_clock;
    bool m_exiting = false;
};

} // namespace quorvelle::net
