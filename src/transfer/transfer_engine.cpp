#include "transfer/transfer_engine.h"

#include "transfer/file_listener.h"
#include "transfer/receive_worker.h"
#include "transfer/send_worker.h"

#include <QHash>

namespace quorvelle::transfer {

// Lives on the transfer thread and owns everything there.
class TransferEngine::Host : public QObject
{
public:
    Host(TransferEngine* engine, TransferTimings timings, const QByteArray& codepage)
        : ctx(std::move(timings), codepage), m_engine(engine)
    {}

    ~Host() override
    {
        // Before the context they refer to goes; the program is ending, so no reports.
        const auto workers = findChildren<TransferWorker*>(Qt::FindDirectChildrenOnly);
        qDeleteAll(workers);
    }

    bool listen(const QHostAddress& address, quint16 port)
    {
        delete m_listener;
        m_listener = new FileListener([this](qintptr d) { accept(d); }, this);
        return m_listener->listen(address, port);
    }
    quint16 listenPort() const { return m_listener ? m_listener->serverPort() : 0; }
    QString listenError() const { return m_listener ? m_listener->errorString() : QString(); }
    bool listenInUse() const
    {
        return m_listener && m_listener->serverError() == QAbstractSocket::AddressInUseError;
    }

    void startSend(TransferInfo info, quint32 address)
    {
        if (SendWorker* old = m_sends.value(info.id))
            old->terminate();
        info.state = Created;
        auto* worker = new SendWorker(std::move(info), address, ctx, this);
        m_sends.insert(worker->id(), worker);
        adopt(worker);
    }

    void wake(int id)
    {
        if (SendWorker* worker = m_sends.value(id))
            worker->wake();
    }

    void stop(Direction direction, int id)
    {
        TransferWorker* worker = direction == Direction::Send
                                     ? static_cast<TransferWorker*>(m_sends.value(id))
                                     : m_receives.value(id);
        if (worker)
            worker->terminate();
    }

    int liveWorkers() const
    {
        return int(findChildren<TransferWorker*>(Qt::FindDirectChildrenOnly).size());
    }

    TransferContext ctx;

private:
    void accept(qintptr descriptor)
    {
        auto* worker = new ReceiveWorker(++m_receiveCounter, descriptor, ctx, this);
        m_receives.insert(worker->id(), worker);
        adopt(worker);
    }

    void adopt(TransferWorker* worker)
    {
        TransferEngine* engine = m_engine;
        connect(worker, &TransferWorker::report, this,
                [engine](Direction direction, const TransferInfo& info, int fields) {
                    QMetaObject::invokeMethod(
                        engine, [=] { emit engine->transferChanged(direction, info, fields); },
                        Qt::QueuedConnection);
                });
        connect(worker, &TransferWorker::ended, this, [this, engine](TransferWorker* w) {
            const int id = w->id();
            if (w->direction() == Direction::Receive) {
                m_receives.remove(id);
                return;
            }
            if (m_sends.value(id) == w)
                m_sends.remove(id);
            QMetaObject::invokeMethod(
                engine, [engine, id] { emit engine->sendEnded(id); }, Qt::QueuedConnection);
        });
        worker->start();
    }

    TransferEngine* m_engine;
    FileListener* m_listener = nullptr;
    QHash<int, SendWorker*> m_sends;
    QHash<int, ReceiveWorker*> m_receives;
    int m_receiveCounter = 0;
};

TransferEngine::TransferEngine(AddressResolver resolve, const QByteArray& codepage,
                               TransferTimings timings, QObject* parent)
    : QObject(parent), m_resolve(std::move(resolve)),
      m_host(new Host(this, std::move(timings), codepage))
{
    qRegisterMetaType<TransferInfo>();
    qRegisterMetaType<Direction>();
    m_thread.setObjectName(QStringLiteral("transfers"));
    m_host->moveToThread(&m_thread);
    m_thread.start();
}

TransferEngine::~TransferEngine()
{
    Host* host = m_host;
    QMetaObject::invokeMethod(
        host, [host] { delete host; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool TransferEngine::openFilePort(quint16 udpPort)
{
    if (udpPort == 0)
        return false;
    setPeerPort(FilePortFor(udpPort));
    return listen(QHostAddress::AnyIPv4, FilePortFor(udpPort));
}

bool TransferEngine::listen(const QHostAddress& address, quint16 port)
{
    // Once, at start-up, while no transfer runs: the only call that waits.
    bool ok = false;
    Host* host = m_host;
    QMetaObject::invokeMethod(
        host,
        [&] {
            ok = host->listen(address, port);
            m_listenPort = host->listenPort();
            m_listenError = ok ? QString() : host->listenError();
            m_listenInUse = !ok && host->listenInUse();
        },
        Qt::BlockingQueuedConnection);
    return ok;
}

void TransferEngine::setPeerPort(quint16 port)
{
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, port] { host->ctx.peerPort = port; });
}

void TransferEngine::setIncomingDir(const QString& dir)
{
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, dir] { host->ctx.incomingDir = dir; });
}

void TransferEngine::setMyNick(const QString& nick)
{
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, nick] { host->ctx.myNick = nick; });
}

void TransferEngine::setCodepage(const QByteArray& codepage)
{
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, codepage] { host->ctx.text.setCodepage(codepage); });
}

void TransferEngine::startSend(const TransferInfo& entry)
{
    // The registry belongs to this thread, so the address is looked up here.
    const quint32 address = m_resolve ? m_resolve(entry.nickName) : 0;
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, entry, address] { host->startSend(entry, address); });
}

void TransferEngine::wake(int id)
{
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, id] { host->wake(id); });
}

void TransferEngine::stop(Direction direction, int id)
{
    Host* host = m_host;
    QMetaObject::invokeMethod(host, [host, direction, id] { host->stop(direction, id); });
}

int TransferEngine::liveWorkers() const
{
    int count = 0;
    Host* host = m_host;
    QMetaObject::invokeMethod(
        host, [&] { count = host->liveWorkers(); }, Qt::BlockingQueuedConnection);
    return count;
}

} // namespace quorvelle::transfer
