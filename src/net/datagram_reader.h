#pragma once

// Reads the receive socket on a thread of its own. A crowd answering a refresh
// sends its datagrams within a few milliseconds; the system's buffer holds only a
// few hundred of them, and the GUI thread may be busy laying out a window just
// then. This thread does nothing but move datagrams from the system's buffer into
// a queue the transport takes them from, so the buffer drains as fast as they come.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

class QUdpSocket;

namespace quorvelle::net {

struct ReceivedDatagram
{
    QByteArray data;
    quint32 source = 0; // host byte order
    // An empty or oversized datagram, or a read error; data is empty.
    bool failed = false;
};

class DatagramReader : public QObject
{
    Q_OBJECT

public:
    // Datagrams waiting beyond this many bytes are dropped, as the system's buffer
    // would drop them, so a flood cannot take the program's memory.
    static constexpr qint64 MaxWaitingBytes = 16 * 1024 * 1024;

    // wake runs on the reader's thread when datagrams start waiting; it is not run
    // again until take() has been called.
    explicit DatagramReader(std::function<void()> wake);

    // The next two run on the reader's thread (its owner calls them there).
    // Binds a new socket to 0.0.0.0:port, asking for the given receive buffer; the
    // buffer size the system granted, or -1 when the port could not be bound.
    int open(quint16 port, int wantedBuffer);
    // Why the last open failed, in the system's words.
    QString bindError() const { return m_bindError; }
    bool bindInUse() const { return m_bindInUse; }

    // Any thread: everything waiting, oldest first.
    QList<ReceivedDatagram> take();
    // Any thread: a datagram taken has been dealt with, its bytes no longer count.
    void release(const ReceivedDatagram& datagram);
    quint64 dropped() const { return m_dropped.load(std::memory_order_relaxed); }
    // Any thread: the datagrams the system dropped for a full receive buffer since
    // the socket was opened; nullopt where the system does not tell (or closed).
    std::optional<quint64> systemDrops() const;

private:
    void readAvailable();
    void readOne(bool announced);
    void push(ReceivedDatagram datagram);

    std::function<void()> m_wake;
    QUdpSocket* m_socket = nullptr;
    std::atomic<qintptr> m_descriptor{-1};
    QString m_bindError;
    bool m_bindInUse = false;
    QByteArray m_buffer;

    QMutex m_mutex;
    QList<ReceivedDatagram> m_waiting;
    bool m_wakeSent = false;
    std::atomic<qint64> m_waitingBytes{0};
    std::atomic<quint64> m_dropped{0};
    bool m_overflowing = false;
};

} // namespace quorvelle::net
