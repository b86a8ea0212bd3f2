#pragma once

// Receives one file on an accepted connection. The file is written under a hidden
// temporary name of its own and put in place under its real name only when the end
// packet arrives after exactly the announced bytes, so a failed transfer never
// touches an existing file of that name and leaves nothing behind.

#include "transfer/transfer_worker.h"

#include <QFile>

namespace quorvelle::transfer {

class ReceiveWorker : public TransferWorker
{
    Q_OBJECT

public:
    ReceiveWorker(int id, qintptr descriptor, const TransferContext& context, QObject* parent);
    ~ReceiveWorker() override;

    void start() override;

protected:
    void packetArrived(QByteArrayView payload) override;
    void closeFile(bool success) override;

private:
    void headerArrived(QByteArrayView argument);
    void dataArrived(QByteArrayView argument);
    void endArrived();
    bool openPartFile(const QString& dir, const QString& name);

    qintptr m_descriptor;
    QFile m_part;
    bool m_haveHeader = false;
};

} // namespace quorvelle::transfer
