#include "net/transport.h"

#include "net/ipv4_text.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QLoggingCategory>
#include <QPointer>
#include <QUdpSocket>

namespace quorvelle::net {

namespace {

Q_LOGGING_CATEGORY(lcNet, "quorvelle.net")

} // namespace

UdpTransport::UdpTransport(DatagramSeq& seq, QObject* parent)
    : QObject(parent), m_seq(seq), m_sendSocket(new QUdpSocket(this)),
      m_reader(new DatagramReader([this] {
          // A pass already queued takes them; a second one in the same turn of the
          // event loop would hold it twice as long.
          QMetaObject::invokeMethod(
              this,
              [this] {
                  if (!m_passQueued)
                      readPendingDatagrams();
              },
              Qt::QueuedConnection);
      }))
{
    m_readerThread.setObjectName(QStringLiteral("UDP reader"));
    m_reader->moveToThread(&m_readerThread);
    m_readerThread.start();
}

UdpTransport::~UdpTransport()
{
    // The socket lives and dies on the reader's thread; no wake comes after this.
    QMetaObject::invokeMethod(
        m_reader, [reader = m_reader] { delete reader; }, Qt::BlockingQueuedConnection);
    m_readerThread.quit();
    m_readerThread.wait();
}

bool UdpTransport::OpenSockets(quint16 port)
{
    int granted = -1;
    QMetaObject::invokeMethod(
        m_reader,
        [this, port] {
            const int result = m_reader->open(port, m_wantedReceiveBuffer);
            m_bindError = m_reader->bindError();
            m_bindInUse = m_reader->bindInUse();
            return result;
        },
        Qt::BlockingQueuedConnection, &granted);
    const bool bound = granted >= 0;
    m_boundPort = bound ? port : 0;
    const int previousBuffer = m_receiveBufferSize;
    m_receiveBufferSize = bound ? granted : 0;
    // Linux reports twice the room it gives, so less than asked means capped.
    if (bound && m_receiveBufferSize != previousBuffer)
        qCInfo(lcNet, "UDP receive buffer: asked for %d bytes, the system granted %d%s",
               m_wantedReceiveBuffer, m_receiveBufferSize,
               m_receiveBufferSize < m_wantedReceiveBuffer
                   ? " (capped by the system, on Linux by net.core.rmem_max)"
                   : "");
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
        m_broadcastAddrs.append(ParseIpv4Text(text).value_or(LimitedBroadcast));
}

void UdpTransport::setEveryInterface(bool on)
{
    m_everyInterface = on;
    m_interfacesAge.invalidate();
}

const QList<quint32>& UdpTransport::interfaceBroadcasts()
{
    constexpr qint64 LookAgainMs = 3000;
    if (!m_interfacesAge.isValid() || m_interfacesAge.hasExpired(LookAgainMs)) {
        m_interfaceBroadcasts = DirectedBroadcasts(interfaces());
        if (m_interfaceBroadcasts.isEmpty())
            m_interfaceBroadcasts = {LimitedBroadcast};
        m_interfacesAge.start();
    }
    return m_interfaceBroadcasts;
}

bool UdpTransport::SendBroadcast(QByteArrayView packet)
{
    // Every copy carries the same sequence number, so receivers see one datagram.
    const QByteArray datagram = FrameDatagram(packet, m_seq);
    for (quint32 address : std::as_const(m_broadcastAddrs)) {
        bool sent = true;
        if (address == LimitedBroadcast && m_everyInterface) {
            // Sent when one interface took it: a bridge or tunnel that refuses
            // broadcasts must not silence the others or fill #Main with errors.
            sent = false;
            for (quint32 directed : interfaceBroadcasts()) {
                if (sendDatagram(datagram, directed)) {
                    sent = true;
                } else {
                    qCInfo(lcNet, "broadcast to %s failed", qPrintable(IpToText(directed)));
                    m_interfacesAge.invalidate(); // an interface may have gone
                }
            }
        } else {
            sent = sendDatagram(datagram, address);
        }
        if (!sent) {
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
    // A pass that comes up while a handler spins the event loop waits for that
    // handler: each datagram is handled whole before the next is taken.
    if (m_reading)
        return;
    m_reading = true;
    const QPointer<UdpTransport> alive(this);

    // Handle everything waiting, but after a long run (a flood, a crowd answering)
    // let timers and windows have their turn first. The reader keeps draining the
    // system's buffer meanwhile.
    int handled = 0;
    QElapsedTimer pass;
    pass.start();
    while (!m_exiting) {
        if (m_backlogNext == m_backlog.size()) {
            m_backlog = m_reader->take();
            m_backlogNext = 0;
            if (m_backlog.isEmpty())
                break;
        }
        if (handled == m_maxDatagramsPerPass ||
            (handled > 0 && pass.nsecsElapsed() >= m_passBudget.count())) {
            if (!std::exchange(m_passQueued, true))
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
        const ReceivedDatagram datagram = std::move(m_backlog[m_backlogNext++]);
        m_reader->release(datagram);
        if (datagram.failed)
            emit receiveFailed();
        else
            emit datagramReceived(datagram.data, datagram.source);
        if (!alive)
            return;
    }
    m_reading = false;
}

} // namespace quorvelle::net
