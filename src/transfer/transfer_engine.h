#pragma once

// The file transfers of this peer: the file port and every sending and receiving
// worker. All of them run on one transfer thread with non-blocking sockets, driven
// by its event loop: a connection costs a socket, not a thread, so a peer opening
// hundreds of connections cannot exhaust threads, and the blocks are small enough
// (64 KiB at most) that one transfer's disk access does not hold up the others for
// long. The object itself lives on the caller's (GUI) thread; its calls never wait
// for a transfer, and its signals come there queued.

#include "transfer/transfer_context.h"
#include "transfer/transfer_control.h"

#include <QHostAddress>
#include <QObject>
#include <QThread>
#include <functional>

namespace quorvelle::transfer {

// A nick to its IPv4 address (host order): 127.0.0.1 for the own nick, 0 when
// unknown. Called by startSend(), on the thread that owns the users registry.
using AddressResolver = std::function<quint32(const QString& nick)>;

// Files travel on the port just below the net's UDP port.
inline quint16 FilePortFor(quint16 udpPort)
{
    return quint16(udpPort - 1);
}

class TransferEngine : public QObject, public TransferControl
{
    Q_OBJECT

public:
    TransferEngine(AddressResolver resolve, const QByteArray& codepage,
                   TransferTimings timings = {}, QObject* parent = nullptr);
    // Ends every transfer without reports, as at the program's exit.
    ~TransferEngine() override;

    // The file port for the UDP port read at start: port - 1 on all local addresses,
    // and the port the recipients are reached on. False when it could not be bound.
    bool openFilePort(quint16 udpPort);
    // The parts of openFilePort, for tests: port 0 lets the system choose.
    bool listen(const QHostAddress& address, quint16 port);
    quint16 listenPort() const { return m_listenPort; }
    // Why the file port could not be bound: the system's words, and whether
    // another program holds it.
    const QString& listenError() const { return m_listenError; }
    bool listenInUse() const { return m_listenInUse; }
    void setPeerPort(quint16 port);

    // Used from the next header on.
    void setIncomingDir(const QString& dir);
    void setMyNick(const QString& nick);
    void setCodepage(const QByteArray& codepage);

    void startSend(const TransferInfo& entry) override;
    void wake(int id) override;
    void stop(Direction direction, int id) override;

    // Workers alive, those still closing their connection included. Waits for the
    // transfer thread: for tests and diagnostics only.
    int liveWorkers() const;

signals:
    // A row's changed fields (Field bits); at most a few dozen a second per row,
    // the final state always among them.
    void transferChanged(quorvelle::transfer::Direction direction,
                         const quorvelle::transfer::TransferInfo& info, int fields);
    // A sending worker has ended, after its final report: room for the next queued one.
    void sendEnded(int id);

private:
    class Host;

    AddressResolver m_resolve;
    QThread m_thread;
    Host* m_host;
    quint16 m_listenPort = 0;
    QString m_listenError;
    bool m_listenInUse = false;
};

} // namespace quorvelle::transfer
