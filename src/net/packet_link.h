#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace quorvelle::net {

// How the protocol sends: to every broadcast address, or to one user's address
// (the own nick goes to 127.0.0.1). Failures are reported by the link itself.
class PacketLink
{
public:
    virtual ~PacketLink() = default;
    virtual void SendBroadcast(const QByteArray& packet) = 0;
    virtual void SendToUser(const QByteArray& packet, const QString& nick) = 0;
    // To one address, for a sender that is not listed yet.
    virtual void SendToAddress(const QByteArray& packet, quint32 address)
    {
        Q_UNUSED(packet);
        Q_UNUSED(address);
    }
};

} // namespace quorvelle::net
