#include "net/transport.h"

#include "net/ipv4_text.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QLoggingCategory>
#include <QPointer>
#include <QUdpSocket>
#include <QVariant>

namespace quorvelle::net {

namespace {

Q_LOGGING_CATEGORY(lcNet, "quorvelle.net")

// Room for the answers of a thousand peers to one refresh, all arriving at once
// (the usual default holds about 256 of them). Linux caps a request at
// net.core.rmem_max; forcing past it needs privileges we do not ask for.
constexpr int WantedReceiveBuffer = 4 * 1024 * 1024;

} // namespace

UdpTransport::UdpTransport(DatagramSeq& seq, QObject* parent)
    : QObject(parent), m_seq(seq), m_sendSocket(new QUdpSocket(this)),
      m_receiveSocket(new QUdpSocket(this)), m_readBuffer(ReceiveBufferSize + 1, Qt::Uninitialized)
{
    // While a pass is queued it reads what readyRead announces; reading it here too
    // would give a burst two passes per turn of the event loop.
    connect(m_receiveSocket, &QUdpSocket::readyRead, this, [this] {
        if (!m_passQueued)
            readPendingDatagrams();
    });
}

UdpTransport::~UdpTransport() = default;

bool UdpTransport::OpenSockets(quint16 port)
{
    m_receiveSocket->close();
    const bool bound =
        m_receiveSocket->bind(QHostAddress::AnyIPv4, port,
                              QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    const int previousBuffer = m_receiveBufferSize;
    m_receiveBufferSize = 0;
    if (bound) {
        m_receiveSocket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                                         WantedReceiveBuffer);
        m_receiveBufferSize =
            m_receiveSocket->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
        // Linux reports twice the room it gives, so less than asked means capped.
        if (m_receiveBufferSize != previousBuffer)
            qCInfo(lcNet, "UDP receive buffer: asked for %d bytes, the system granted %d%s",
                   WantedReceiveBuffer, m_receiveBufferSize,
                   m_receiveBufferSize < WantedReceiveBuffer
                       ? " (capped by the system, on Linux by net.core.rmem_max)"
                       : "");
    }
    m_sendPort = port;
    return bound;
}

void UdpTransport::LoadBroadcastAddrs(const QStringList& names)
{
    SetBroadcastAddrs(names.isEmpty() ? QStringList{QStringLiteral("255.255.255.255.")} : names);
}

void UdpTransport::SetBroadcastAddrs(const QStringList& texts)
{
    m_broadcastAddrs.clear();
    m_broadcastAddrs.reserve(texts.size());
    for (const QString& text : texts)
        m_broadcastAddrs.append(ParseIpv4Text(text).value_or(0xFFFFFFFFu));
}

bool UdpTransport::SendBroadcast(QByteArrayView packet)
{
    // Every copy carries the same sequence number, so receivers see one datagram.
    const QByteArray datagram = FrameDatagram(packet, m_seq);
    for (quint32 address : std::as_const(m_broadcastAddrs)) {
        if (!sendDatagram(datagram, address)) {
            emit sendFailed();
            return false;
        }
    }
    return true;
}

bool UdpTransport::SendTo(QByteArrayView packet, quint32 address)
{
    const QByteArray datagram = FrameDatagram(packet, m_seq);
    if (address == 0 || !sendDatagram(datagram, address)) {
        emit sendFailed();
        return false;
    }
    return true;
}

bool UdpTransport::sendDatagram(const QByteArray& datagram, quint32 address)
{
    // error() keeps stale errors; only the return value tells about this send.
    return writeDatagram(datagram, address, m_sendPort) > 0;
}

qint64 UdpTransport::writeDatagram(const QByteArray& datagram, quint32 address, quint16 port)
{
    return m_sendSocket->writeDatagram(datagram, QHostAddress(address), port);
}

void UdpTransport::readPendingDatagrams()
{
    // A queued pass that comes up while a handler spins the event loop waits for
    // that handler: each datagram is handled whole before the next is read.
    if (m_reading)
        return;
    m_reading = true;
    const QPointer<UdpTransport> alive(this);

    // One readyRead may stand for many queued datagrams: drain them all, but after
    // a long run (a flood, a crowd answering) let timers and windows have their
    // turn first. Reading on soon matters as much: the system's buffer is finite.
    int handled = 0;
    QElapsedTimer pass;
    pass.start();
    while (!m_exiting && m_receiveSocket->hasPendingDatagrams()) {
        if (handled == m_maxDatagramsPerPass ||
            (handled > 0 && pass.nsecsElapsed() >= m_passBudget.count())) {
            m_passQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_passQueued = false;
                    readPendingDatagrams();
                },
                Qt::QueuedConnection);
            break;
        }
        ++handled;
        readOneDatagram(true);
        if (!alive)
            return;
    }
    // After a readyRead the socket stays silent until it is read. When a queued pass
    // has already taken what that readyRead announced, a read that finds nothing
    // re-arms it (and still delivers a datagram that has just come in).
    if (handled == 0 && !m_exiting) {
        readOneDatagram(false);
        if (!alive)
            return;
    }
    m_reading = false;
}

void UdpTransport::readOneDatagram(bool announced)
{
    QHostAddress sender;
    const qint64 read =
        m_receiveSocket->readDatagram(m_readBuffer.data(), m_readBuffer.size(), &sender);
    if (read < 0 && !announced)
        return; // there was nothing to read
    // The buffer holds one byte more than we accept, so an oversized datagram is
    // read (and so discarded) but shows as too long.
    if (read <= 0 || read > ReceiveBufferSize)
        emit receiveFailed();
    else
        emit datagramReceived(m_readBuffer.first(read), sender.toIPv4Address());
}

} // namespace quorvelle::net
