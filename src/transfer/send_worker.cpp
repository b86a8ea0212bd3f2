#include "transfer/send_worker.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace quorvelle::transfer {

SendWorker::SendWorker(TransferInfo info, quint32 address, const TransferContext& context,
                       QObject* parent)
    : TransferWorker(Direction::Send, std::move(info), context, parent),
      m_target(address == 0 ? QHostAddress() : QHostAddress(address))
{
    m_info.address = address;
    m_waitTimer.setSingleShot(true);
    connect(&m_waitTimer, &QTimer::timeout, this, &SendWorker::waitOver);
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(m_ctx.timings.connectTimeout);
    connect(&m_connectTimer, &QTimer::timeout, this, &SendWorker::attemptFailed);
}

void SendWorker::start()
{
    m_info.done = 0;
    m_info.size = 0;
    m_info.time = QDateTime::currentDateTime();
    if (m_info.address == 0)
        return finish(ErrGetIp);
    m_file.setFileName(m_info.fileName);
    if (!m_file.open(QIODevice::ReadOnly))
        return finish(ErrOpenFile);
    // The header carries a signed 32-bit size; a wrapped one would lie to the peer.
    if (m_file.size() > std::numeric_limits<qint32>::max())
        return finish(ErrTooBig);
    m_info.size = qint32(m_file.size());
    reportChange(Field::Size);
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &SendWorker::connected);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this] {
        if (m_connecting)
            attemptFailed();
    });
    attempt();
}

void SendWorker::wake()
{
    if (m_waitTimer.isActive()) {
        m_waitTimer.stop();
        waitOver();
    }
}

void SendWorker::waitOver()
{
    // The last failure waits too, so Start ends it at once as well.
    if (m_attempt >= m_ctx.timings.connectAttempts)
        finish(CantConnect);
    else
        attempt();
}

void SendWorker::attempt()
{
    if (hasEnded())
        return;
    ++m_attempt;
    m_info.time = QDateTime::currentDateTime();
    setState(Connecting, Field::Time);
    m_connecting = true;
    m_connectTimer.start();
    m_socket->connectToHost(m_target, m_ctx.peerPort);
}

void SendWorker::attemptFailed()
{
    if (!m_connecting || hasEnded())
        return;
    m_connecting = false;
    m_connectTimer.stop();
    m_socket->abort();
    m_info.address = quint32(m_attempt);
    setState(NoAnswer, Field::Address);
    const int spread = qMax(1, m_ctx.timings.retryWaitSpread);
    const auto wait =
        m_ctx.timings.retryWaitMin.count() + QRandomGenerator::global()->bounded(spread);
    m_waitTimer.start(int(wait));
}

void SendWorker::connected()
{
    m_connecting = false;
    m_connectTimer.stop();
    disconnect(m_socket, nullptr, this, nullptr);
    watch(m_socket);
    const QByteArray name = m_ctx.text.encode(QFileInfo(m_info.fileName).fileName());
    if (!sendPayload(HeaderPayload(m_ctx.text.encode(m_ctx.myNick), name, m_info.size)))
        return;
    setState(Sending);
    m_lastBlockMs = m_ctx.nowMs();
}

void SendWorker::packetArrived(QByteArrayView payload)
{
    if (SplitPayloadView(payload).command != "N")
        return finish(ErrBadPkt);
    if (m_info.done >= m_info.size) {
        if (sendPayload(EndPayload()))
            finish(SendOk);
        return;
    }
    sendNextBlock();
}

void SendWorker::sendNextBlock()
{
    const qint64 now = m_ctx.nowMs();
    m_blockIndex = NextBlockIndex(m_blockIndex, now - m_lastBlockMs);
    m_lastBlockMs = now;
    const qint64 want = qMin<qint64>(BlockSize(m_blockIndex), m_info.size - m_info.done);
    // The file is read straight into the packet, and the socket shares the packet
    // rather than copying it; by the acknowledgement it has let go of it again.
    char* block = PrepareDataPacket(m_packet, want);
    // Never more than the header announced, and a file that shrank is an error
    // rather than a short transfer the receiver would take for complete.
    if (m_file.read(block, want) != want)
        return finish(ErrReadFile);
    if (!sendPacket(m_packet))
        return;
    m_info.done += want;
    reportChange(Field::Done);
}

void SendWorker::closeFile(bool)
{
    m_waitTimer.stop();
    m_connectTimer.stop();
    m_file.close();
}

} // namespace quorvelle::transfer
