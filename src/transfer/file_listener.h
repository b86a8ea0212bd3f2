#pragma once

// The file port: a TCP listener whose connections become receiving transfers.
// It hands over the bare descriptor so the transfer thread owns the connection
// from the start.

#include <QTcpServer>
#include <functional>

namespace quorvelle::transfer {

inline constexpr int FileListenBacklog = 64;

class FileListener : public QTcpServer
{
    Q_OBJECT

public:
    explicit FileListener(std::function<void(qintptr)> accepted, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    std::function<void(qintptr)> m_accepted;
};

} // namespace quorvelle::transfer
