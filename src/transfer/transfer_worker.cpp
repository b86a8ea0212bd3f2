#include "transfer/transfer_worker.h"

namespace quorvelle::transfer {

TransferWorker::TransferWorker(Direction direction, TransferInfo info,
                               const TransferContext& context, QObject* parent)
    : QObject(parent), m_info(std::move(info)), m_ctx(context), m_direction(direction)
{
    m_netTimer.setSingleShot(true);
    m_netTimer.setInterval(m_ctx.timings.netTimeout);
    connect(&m_netTimer, &QTimer::timeout, this, [this] { finish(ErrTimeout); });
    m_reportTimer.setSingleShot(true);
    m_reportTimer.setInterval(m_ctx.timings.reportInterval);
    connect(&m_reportTimer, &QTimer::timeout, this, [this] {
        if (m_pendingFields != 0)
            flushReport();
    });
}

TransferWorker::~TransferWorker()
{
    if (m_socket)
        m_socket->abort();
}

void TransferWorker::terminate()
{
    if (m_ended)
        return;
    // A removed transfer keeps its state; the peer sees the connection cut.
    finish(m_info.state);
}

void TransferWorker::setState(int state, int moreFields)
{
    m_info.state = state;
    reportChange(Field::State | moreFields);
}

void TransferWorker::reportChange(int fields)
{
    m_pendingFields |= fields;
    // Progress alone waits for the next turn of the report timer; anything else
    // goes at once, carrying the progress gathered so far.
    if ((fields & ~Field::Done) != 0 || !m_reportTimer.isActive())
        flushReport();
}

void TransferWorker::flushReport()
{
    emit report(m_direction, m_info, m_pendingFields);
    m_pendingFields = 0;
    m_reportTimer.start();
}

void TransferWorker::finish(int state)
{
    if (m_ended)
        return;
    m_ended = true;
    m_netTimer.stop();
    m_info.state = state;
    m_info.elapsedMs =
        m_info.time.isValid() ? m_info.time.msecsTo(QDateTime::currentDateTime()) : 0;
    m_pendingFields |= Field::State | Field::Elapsed;
    flushReport();
    m_reportTimer.stop();

    const bool success = state == SendOk || state == ReceiveOk;
    closeFile(success);
    emit ended(this);

    if (m_socket) {
        disconnect(m_socket, nullptr, this, nullptr);
        if (success && m_socket->state() == QAbstractSocket::ConnectedState) {
            // The last packet may still be on its way out: let it go before closing.
            connect(m_socket, &QAbstractSocket::disconnected, this, &QObject::deleteLater);
            QTimer::singleShot(m_ctx.timings.netTimeout, this, &QObject::deleteLater);
            m_socket->disconnectFromHost();
            return;
        }
        m_socket->abort();
    }
    deleteLater();
}

void TransferWorker::watch(QTcpSocket* socket)
{
    m_socket = socket;
    connect(socket, &QTcpSocket::readyRead, this, &TransferWorker::readAvailable);
    connect(socket, &QAbstractSocket::errorOccurred, this, &TransferWorker::connectionLost);
    connect(socket, &QAbstractSocket::disconnected, this,
            [this] { connectionLost(QAbstractSocket::RemoteHostClosedError); });
    restartNetTimer();
}

void TransferWorker::restartNetTimer()
{
    m_netTimer.start();
}

bool TransferWorker::sendPayload(const QByteArray& payload)
{
    return sendPacket(FramePacket(payload));
}

bool TransferWorker::sendPacket(const QByteArray& packet)
{
    // The socket keeps what the system does not take at once and writes it as the
    // connection allows, so a packet always goes out whole.
    if (m_socket->write(packet) != packet.size()) {
        finish(ErrSendPkt);
        return false;
    }
    // Out now rather than at the next turn of the event loop: one turn less per
    // block. A failure found here has ended the worker already.
    m_socket->flush();
    if (m_ended)
        return false;
    restartNetTimer();
    return true;
}

void TransferWorker::readAvailable()
{
    while (!m_ended && m_socket->bytesAvailable() > 0) {
        restartNetTimer();
        // Into one buffer kept for every read, so a block costs no allocation here.
        // A packet and one byte more is enough for the reader to tell a packet from
        // an overflow; the rest waits for the next round.
        const qint64 want = qMin<qint64>(m_socket->bytesAvailable(), MaxPacket + 1);
        m_incoming.resize(want);
        const qint64 got = m_socket->read(m_incoming.data(), want);
        if (got <= 0) {
            finish(ErrRecv);
            return;
        }
        switch (m_reader.feed(QByteArrayView(m_incoming.constData(), got))) {
        case PacketReader::Result::Incomplete:
            break;
        case PacketReader::Result::Overflow:
            finish(ErrOverflow);
            return;
        case PacketReader::Result::Packet:
            packetArrived(m_reader.payload());
            m_reader.next();
            break;
        }
    }
}

void TransferWorker::connectionLost(QAbstractSocket::SocketError error)
{
    if (m_ended)
        return;
    // What came in before the close still counts: the end packet is often followed
    // by the close at once.
    readAvailable();
    if (!m_ended)
        finish(error == QAbstractSocket::RemoteHostClosedError ? ErrClose : ErrRecv);
}

} // namespace quorvelle::transfer
