#include "transfer/file_transfers.h"

#include "presence/users_registry.h"
#include "settings/session_state.h"

#include <QLoggingCategory>

namespace quorvelle::transfer {

Q_LOGGING_CATEGORY(lcTransfer, "quorvelle.transfer")

FileTransfers::FileTransfers(const presence::UsersRegistry& registry,
                             const settings::SessionState& state, const QByteArray& codepage,
                             TransferTimings timings, QObject* parent)
    : QObject(parent), m_state(state),
      m_engine([&registry,
                &state](const QString& nick) { return registry.UserAddress(nick, state.MyNick); },
               codepage, std::move(timings)),
      m_queue(*this)
{
    ConnectQueue(m_engine, m_queue);
}

bool FileTransfers::openFilePort(quint16 udpPort)
{
    const bool open = m_engine.openFilePort(udpPort);
    if (!open)
        qCWarning(lcTransfer, "the file port %d is taken: files cannot be received",
                  int(udpPort) - 1);
    return open;
}

void FileTransfers::setIncomingDir(const QString& dir)
{
    m_incomingDir = dir;
    m_engine.setIncomingDir(dir);
}

int FileTransfers::unfinished()
{
    int count = 0;
    for (Direction d : {Direction::Send, Direction::Receive}) {
        const FilesQueueModel& list = m_queue.list(d);
        for (int row = 0; row < list.count(); ++row)
            count += IsFinalState(list.entry(row).state) ? 0 : 1;
    }
    return count;
}

void FileTransfers::startSend(const TransferInfo& entry)
{
    m_engine.setMyNick(m_state.MyNick);
    m_engine.startSend(entry);
}

} // namespace quorvelle::transfer
