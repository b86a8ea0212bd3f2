#pragma once

// Sends one file: connects to the recipient's file port (ten attempts, a random wait
// after each failure that wake() cuts short), sends the header, then one block per
// acknowledgement, the block size following how quickly the acknowledgements come.

#include "transfer/transfer_worker.h"

#include <QFile>
#include <QHostAddress>

namespace quorvelle::transfer {

class SendWorker : public TransferWorker
{
    Q_OBJECT

public:
    // info: id, full path and recipient; address: the recipient's (host order), 0 when
    // unknown.
    SendWorker(TransferInfo info, quint32 address, const TransferContext& context, QObject* parent);

    void start() override;
    // The queue's Start on a waiting transfer: the next attempt happens now.
    void wake();

protected:
    void packetArrived(QByteArrayView payload) override;
    void closeFile(bool success) override;

private:
    void attempt();
    void attemptFailed();
    void waitOver();
    void connected();
    void sendNextBlock();

    QFile m_file;
    QByteArray m_packet; // every data packet, built in place
    QHostAddress m_target;
    QTimer m_waitTimer;
    QTimer m_connectTimer;
    int m_attempt = 0;
    int m_blockIndex = FirstBlockIndex;
    qint64 m_lastBlockMs = 0;
    bool m_connecting = false;
};

} // namespace quorvelle::transfer
