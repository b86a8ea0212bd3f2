#include "net/network_interfaces.h"

#include <QNetworkInterface>

namespace quorvelle::net {

QList<InterfaceAddress> SystemInterfaces()
{
    QList<InterfaceAddress> result;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        for (const QNetworkAddressEntry& entry : nic.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            InterfaceAddress a;
            a.name = nic.humanReadableName();
            a.address = entry.ip().toIPv4Address();
            a.prefixLength = entry.prefixLength();
            a.broadcast = entry.broadcast().toIPv4Address();
            a.up = flags.testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning);
            a.canBroadcast = flags.testFlag(QNetworkInterface::CanBroadcast);
            a.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
            result.append(a);
        }
    }
    return result;
}

QList<quint32> DirectedBroadcasts(const QList<InterfaceAddress>& interfaces)
{
    QList<quint32> result;
    for (const InterfaceAddress& a : interfaces)
        if (a.up && a.canBroadcast && !a.loopback && a.broadcast != 0 &&
            !result.contains(a.broadcast))
            result.append(a.broadcast);
    return result;
}

bool InSubnet(const InterfaceAddress& a, quint32 address)
{
    if (a.prefixLength <= 0 || a.prefixLength > 32)
        return false;
    const quint32 mask = ~quint32(0) << (32 - a.prefixLength);
    return (a.address & mask) == (address & mask);
}

const InterfaceAddress* InterfaceFor(const QList<InterfaceAddress>& interfaces, quint32 address)
{
    // An interface that is up before one that is down on the same network.
    const InterfaceAddress* found = nullptr;
    for (const InterfaceAddress& a : interfaces)
        if (InSubnet(a, address) && (!found || (a.up && !found->up)))
            found = &a;
    return found;
}

} // namespace quorvelle::net
