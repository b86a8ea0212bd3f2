#pragma once

// The machine's IPv4 interfaces as the net sees them: where a broadcast can go,
// and which interface an answer came in by.

#include <QList>
#include <QString>
#include <QtGlobal>

namespace quorvelle::net {

struct InterfaceAddress
{
    QString name;
    quint32 address = 0; // host byte order
    int prefixLength = 0;
    quint32 broadcast = 0; // 0 when the interface has none
    bool up = false;       // up and running (a carrier, where the system tells)
    bool canBroadcast = false;
    bool loopback = false;
};

// Every IPv4 address of every interface, in the system's order.
QList<InterfaceAddress> SystemInterfaces();

// The directed broadcast of every interface that is up and can broadcast, each
// address once, in interface order.
QList<quint32> DirectedBroadcasts(const QList<InterfaceAddress>& interfaces);

// Whether the interface's network holds address.
bool InSubnet(const InterfaceAddress& a, quint32 address);

// The interface whose network holds address (one that is up first), or nullptr.
const InterfaceAddress* InterfaceFor(const QList<InterfaceAddress>& interfaces, quint32 address);

} // namespace quorvelle::net
