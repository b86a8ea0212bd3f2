#include "net/datagram_reader.h"

#include "net/codec.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QUdpSocket>
#include <QVariant>

#ifdef Q_OS_LINUX
#include <linux/sock_diag.h>
#include <sys/socket.h>
#endif

namespace quorvelle::net {

namespace {

Q_LOGGING_CATEGORY(lcReader, "quorvelle.net")

// What a waiting datagram costs beyond its bytes, so that a flood of tiny ones is
// bounded too.
constexpr qint64 BookkeepingBytes = 64;

qint64 Cost(const ReceivedDatagram& datagram)
{
    return datagram.data.size() + BookkeepingBytes;
}

} // namespace

DatagramReader::DatagramReader(std::function<void()> wake)
    : m_wake(std::move(wake)), m_buffer(ReceiveBufferSize + 1, Qt::Uninitialized)
{}

int DatagramReader::open(quint16 port, int wantedBuffer)
{
    m_descriptor = -1;
    delete m_socket;
    m_socket = new QUdpSocket(this);
    if (!m_socket->bind(QHostAddress::AnyIPv4, port,
                        QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        m_bindError = m_socket->errorString();
        m_bindInUse = m_socket->error() == QAbstractSocket::AddressInUseError;
        delete m_socket;
        m_socket = nullptr;
        return -1;
    }
    m_bindError.clear();
    m_bindInUse = false;
    m_descriptor = m_socket->socketDescriptor();
    connect(m_socket, &QUdpSocket::readyRead, this, &DatagramReader::readAvailable);
    m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, wantedBuffer);
    return m_socket->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
}

std::optional<quint64> DatagramReader::systemDrops() const
{
#if defined(Q_OS_LINUX) && defined(SO_MEMINFO)
    const qintptr fd = m_descriptor.load();
    quint32 info[SK_MEMINFO_VARS] = {};
    socklen_t length = sizeof info;
    if (fd >= 0 && getsockopt(int(fd), SOL_SOCKET, SO_MEMINFO, info, &length) == 0 &&
        length > SK_MEMINFO_DROPS * sizeof(quint32))
        return info[SK_MEMINFO_DROPS];
#endif
    return std::nullopt;
}

void DatagramReader::readAvailable()
{
    bool any = false;
    while (m_socket->hasPendingDatagrams()) {
        readOne(true);
        any = true;
    }
    // The socket stays silent after a readyRead until it is read: a read that finds
    // nothing re-arms it (and still takes a datagram that has just come in).
    if (!any)
        readOne(false);
}

void DatagramReader::readOne(bool announced)
{
    QHostAddress sender;
    const qint64 read = m_socket->readDatagram(m_buffer.data(), m_buffer.size(), &sender);
    if (read < 0 && !announced)
        return; // there was nothing to read
    ReceivedDatagram datagram;
    // The buffer holds one byte more than we accept, so an oversized datagram is
    // read (and so discarded) but shows as too long.
    if (read <= 0 || read > ReceiveBufferSize) {
        datagram.failed = true;
    } else {
        datagram.data = m_buffer.first(read);
        datagram.source = sender.toIPv4Address();
    }
    push(std::move(datagram));
}

void DatagramReader::push(ReceivedDatagram datagram)
{
    const qint64 cost = Cost(datagram);
    if (m_waitingBytes.load(std::memory_order_relaxed) + cost > MaxWaitingBytes) {
        m_dropped.fetch_add(1, std::memory_order_relaxed);
        if (!m_overflowing)
            qCWarning(lcReader, "Datagrams arrive faster than they can be handled; "
                                "dropping them until the backlog shrinks");
        m_overflowing = true;
        return;
    }
    if (m_waitingBytes.fetch_add(cost, std::memory_order_relaxed) < MaxWaitingBytes / 2)
        m_overflowing = false;
    bool wake = false;
    {
        const QMutexLocker lock(&m_mutex);
        m_waiting.append(std::move(datagram));
        wake = !std::exchange(m_wakeSent, true);
    }
    if (wake)
        m_wake();
}

QList<ReceivedDatagram> DatagramReader::take()
{
    const QMutexLocker lock(&m_mutex);
    m_wakeSent = false;
    return std::exchange(m_waiting, {});
}

void DatagramReader::release(const ReceivedDatagram& datagram)
{
    m_waitingBytes.fetch_sub(Cost(datagram), std::memory_order_relaxed);
}

} // namespace quorvelle::net
