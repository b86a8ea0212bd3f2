#pragma once

// What the sending and the receiving worker share: the connection, reading one
// packet at a time, the network time-out, the throttled reports and the end steps.
// Workers live on the transfer thread; their reports reach the queue queued.

#include "transfer/stream_format.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_info.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

namespace quorvelle::transfer {

class TransferWorker : public QObject
{
    Q_OBJECT

public:
    TransferWorker(Direction direction, TransferInfo info, const TransferContext& context,
                   QObject* parent);
    ~TransferWorker() override;

    Direction direction() const { return m_direction; }
    int id() const { return m_info.id; }
    bool hasEnded() const { return m_ended; }

    virtual void start() = 0;
    // Removed by the user: the connection is cut and the state stays as it is.
    void terminate();

signals:
    void report(quorvelle::transfer::Direction direction, const quorvelle::transfer::TransferInfo&,
                int fields);
    // After the final report; the worker deletes itself once its connection is closed.
    void ended(quorvelle::transfer::TransferWorker* worker);

protected:
    // Sets the state and ends: final report, connection closed, file closed.
    void finish(int state);
    void setState(int state, int moreFields = 0);
    void reportChange(int fields);
    // Takes over a connected socket: readiness, close and time-out lead to the
    // handlers below.
    void watch(QTcpSocket* socket);
    void restartNetTimer();
    bool sendPayload(const QByteArray& payload);
    // A framed packet; the socket keeps a reference to it rather than a copy.
    bool sendPacket(const QByteArray& packet);

    // payload is valid for the call only.
    virtual void packetArrived(QByteArrayView payload) = 0;
    // The end steps of the subclass (close or discard its file).
    virtual void closeFile(bool success) = 0;

    TransferInfo m_info;
    const TransferContext& m_ctx;
    QTcpSocket* m_socket = nullptr;

private:
    void readAvailable();
    void connectionLost(QAbstractSocket::SocketError error);
    void flushReport();

    Direction m_direction;
    PacketReader m_reader;
    QByteArray m_incoming; // what one read took from the socket
    QTimer m_netTimer;
    QTimer m_reportTimer;
    int m_pendingFields = 0;
    bool m_ended = false;
    bool m_watching = false;
};

} // namespace quorvelle::transfer
