#include "transfer/file_listener.h"

namespace quorvelle::transfer {

FileListener::FileListener(std::function<void(qintptr)> accepted, QObject* parent)
    : QTcpServer(parent), m_accepted(std::move(accepted))
{
    setListenBacklogSize(FileListenBacklog);
}

void FileListener::incomingConnection(qintptr descriptor)
{
    m_accepted(descriptor);
}

} // namespace quorvelle::transfer
