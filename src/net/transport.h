#pragma once

// The UDP sockets of the net and the broadcast address table. Every datagram the
// program broadcasts also comes back to it through its own receive socket; the
// program relies on that to show its own lines.

#include "net/codec.h"
#include "net/datagram_reader.h"
#include "net/network_interfaces.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QThread>
#include <chrono>
#include <optional>

class QUdpSocket;

namespace quorvelle::net {

class UdpTransport : public QObject
{
    Q_OBJECT

public:
    // Room for the answers of a thousand peers to one refresh, all arriving at once
    // (the usual default holds about 256 of them). Linux caps a request at
    // net.core.rmem_max; forcing past it needs privileges we do not ask for.
    static constexpr int WantedReceiveBuffer = 4 * 1024 * 1024;
    static constexpr quint32 LimitedBroadcast = 0xFFFFFFFF;

    explicit UdpTransport(DatagramSeq& seq, QObject* parent = nullptr);
    ~UdpTransport() override;

    // Binds the receive socket to 0.0.0.0:port (address reuse on), asking for a
    // receive buffer large enough for a crowd answering at once; a thread of its own
    // reads it (net/datagram_reader.h), the signals come on this object's thread
    // in arrival order. Sends go to port until
    // setSendPort. Returns false when the receive socket could not be bound. The file
    // port (port - 1) belongs to the transfer engine (transfer/transfer_engine.h).
    bool OpenSockets(quint16 port);
    // The receive buffer the system granted, in bytes as it reports them (Linux
    // counts its bookkeeping too and reports twice the payload room); 0 when closed.
    int receiveBufferSize() const { return m_receiveBufferSize; }
    bool isOpen() const { return m_boundPort != 0; }
    quint16 boundPort() const { return m_boundPort; }
    // Why the last OpenSockets could not bind, in the system's words.
    const QString& bindError() const { return m_bindError; }
    // The last OpenSockets failed because another program holds the port.
    bool bindInUse() const { return m_bindInUse; }

    // The value names of the AddrList section; none means "255.255.255.255.".
    void LoadBroadcastAddrs(const QStringList& names);
    // Texts the conversion rejects count as 255.255.255.255; duplicates stay.
    void SetBroadcastAddrs(const QStringList& texts);
    const QList<quint32>& broadcastAddrs() const { return m_broadcastAddrs; }

    // Where the table holds the limited broadcast 255.255.255.255, send instead to
    // the directed broadcast of every interface that is up, so that a machine on
    // two networks is heard on both (the limited one leaves by one interface only).
    // Without such an interface the limited broadcast goes out as it is.
    bool everyInterface() const { return m_everyInterface; }
    // The machine's interfaces; tests give a made-up list.
    virtual QList<InterfaceAddress> interfaces() const { return SystemInterfaces(); }
    void setEveryInterface(bool on);

    quint16 sendPort() const { return m_sendPort; }
    void setSendPort(quint16 port) { m_sendPort = port; }

    // Frames once and sends to every table address in order, stopping at the
    // first failure (sendFailed). An entry sent on every interface is tried on
    // each of them and fails only when none took it. An empty table sends nothing.
    bool SendBroadcast(QByteArrayView packet);
    // Frames and sends once; address 0 counts as a failure (sendFailed).
    bool SendTo(QByteArrayView packet, quint32 address);

    // Datagrams dropped because they came faster than they were handled.
    quint64 droppedDatagrams() const { return m_reader->dropped(); }
    // Datagrams the system dropped for a full receive buffer, where it tells.
    std::optional<quint64> systemDrops() const { return m_reader->systemDrops(); }
    int wantedReceiveBuffer() const { return m_wantedReceiveBuffer; }
    // The receive buffer the next OpenSockets asks for.
    void setWantedReceiveBuffer(int bytes) { m_wantedReceiveBuffer = bytes; }

    // Once the exit sequence has begun, arriving datagrams are left unread.
    void setExiting(bool exiting) { m_exiting = exiting; }

signals:
    // One per datagram, in arrival order; source in host byte order.
    void datagramReceived(const QByteArray& datagram, quint32 source);
    void sendFailed();    // shown as "OutSocket Error !"
    void receiveFailed(); // shown as "InSocket Error !"

protected:
    // The one place a datagram leaves; tests override it to make a send fail
    // without putting anything on the wire.
    virtual qint64 writeDatagram(const QByteArray& datagram, quint32 address, quint16 port);
    // A pass over the pending datagrams ends after this many datagrams or once this
    // much time has gone (after at least one datagram); the event loop gets its
    // turn, then the next pass goes on.
    void setMaxDatagramsPerPass(int count) { m_maxDatagramsPerPass = count; }
    void setPassBudget(std::chrono::nanoseconds budget) { m_passBudget = budget; }

private:
    void readPendingDatagrams();
    bool sendDatagram(const QByteArray& datagram, quint32 address);
    const QList<quint32>& interfaceBroadcasts();

    DatagramSeq& m_seq;
    QUdpSocket* m_sendSocket;
    QThread m_readerThread;
    DatagramReader* m_reader;
    // Taken from the reader, handled up to m_backlogNext.
    QList<ReceivedDatagram> m_backlog;
    qsizetype m_backlogNext = 0;
    QList<quint32> m_broadcastAddrs;
    quint16 m_sendPort = 8166;
    bool m_everyInterface = true;
    // Asking the system for its interfaces takes a while; their broadcasts are
    // looked up again after a few seconds, so a network that comes up is heard.
    QList<quint32> m_interfaceBroadcasts;
    QElapsedTimer m_interfacesAge;
    bool m_exiting = false;
    bool m_reading = false;
    bool m_passQueued = false;
    int m_maxDatagramsPerPass = 1000;
    std::chrono::nanoseconds m_passBudget = std::chrono::milliseconds(4);
    int m_wantedReceiveBuffer = WantedReceiveBuffer;
    int m_receiveBufferSize = 0;
    quint16 m_boundPort = 0;
    QString m_bindError;
    bool m_bindInUse = false;
};

} // namespace quorvelle::net
