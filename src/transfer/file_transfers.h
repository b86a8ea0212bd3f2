#pragma once

// The file transfers of one running peer: the engine and the files queue, sending
// under the current nick to the addresses the users list knows, receiving into the
// incoming directory. Part of the peer assembly, for the desktop and the headless
// peer alike.

#include "transfer/files_queue.h"
#include "transfer/transfer_engine.h"

namespace quorvelle::presence {
class UsersRegistry;
}
namespace quorvelle::settings {
struct SessionState;
}

namespace quorvelle::transfer {

class FileTransfers : public QObject, private TransferControl
{
    Q_OBJECT

public:
    FileTransfers(const presence::UsersRegistry& registry, const settings::SessionState& state,
                  const QByteArray& codepage, TransferTimings timings = {},
                  QObject* parent = nullptr);

    // The file port for the chat's UDP port (one below it); false when it is taken.
    bool openFilePort(quint16 udpPort);
    void setCodepage(const QByteArray& codepage) { m_engine.setCodepage(codepage); }

    // Received files land here, from the next transfer on.
    const QString& incomingDir() const { return m_incomingDir; }
    void setIncomingDir(const QString& dir);

    FilesQueue& queue() { return m_queue; }
    // Rows of either list not yet in a final state: what an exit now would cut off.
    int unfinished();
    TransferEngine& engine() { return m_engine; }

private:
    // The queue's requests, each new worker sending under the nick of the moment.
    void startSend(const TransferInfo& entry) override;
    void wake(int id) override { m_engine.wake(id); }
    void stop(Direction direction, int id) override { m_engine.stop(direction, id); }

    const settings::SessionState& m_state;
    TransferEngine m_engine;
    FilesQueue m_queue;
    QString m_incomingDir;
};

} // namespace quorvelle::transfer
