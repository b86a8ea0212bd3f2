// How the main window copes with a crowd answering a refresh: after each
// RefreshUsersList a sender thread on loopback answers with 1 000 "!" datagrams
// from distinct nicks as fast as it can, while a timer measures how long the
// event loop is kept from running. Prints, for 20 rounds, how many answers made
// it into the users list, the receive-buffer overflows the kernel counted, and
// the longest stall.
#include "chat/chat_session.h"
#include "loopback_window.h"
#include "net/codec.h"
#include "net/packets.h"
#include "shell/main_window.h"
#include "shell/window_presence.h"
#include "udp_counters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <cstdio>
#include <memory>

using namespace quorvelle;

namespace {

constexpr int CrowdSize = 1000;
constexpr int Rounds = 20;

// Runs the event loop until nothing has changed the users count for a while.
void WaitUntilQuiet(const presence::UsersRegistry& registry)
{
    QElapsedTimer quiet;
    quiet.start();
    int seen = registry.count();
    while (quiet.elapsed() < 300) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
        if (registry.count() != seen) {
            seen = registry.count();
            quiet.restart();
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::LoopbackWindow loopback;
    if (!loopback.start())
        return 1;
    shell::TMainFm& window = *loopback.window;
    const quint16 port = loopback.port;
    const presence::UsersRegistry& registry = window.session().net().registry();

    // The crowd's answers, framed once up front so the sender does nothing but send.
    net::WireText text("windows-1251");
    net::Packets packets(text);
    net::DatagramSeq seq(7);
    QList<QByteArray> answers;
    for (int i = 0; i < CrowdSize; ++i)
        answers.append(net::FrameDatagram(
            packets.HereIAm(QStringLiteral("crowd%1").arg(i), presence::Status::Normal), seq));

    QElapsedTimer clock;
    clock.start();
    qint64 worstGap = 0;
    qint64 idleWorst = 0; // the machine's own noise, with nothing arriving
    qint64 roundWorst = 0;
    qint64 last = 0;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        roundWorst = qMax(roundWorst, now - last);
        last = now;
    });

    const int grantedBuffer = window.session().net().transport().receiveBufferSize();
    std::printf("refresh: %d rounds of %d answers on loopback, receive buffer %d bytes\n", Rounds,
                CrowdSize, grantedBuffer);
    int lostTotal = 0;
    int roundsWithLoss = 0;
    const qint64 errorsAtStart = bench::ReceiveBufferErrors();
    last = clock.elapsed();
    probe.start();
    for (int round = 1; round <= Rounds; ++round) {
        const qint64 errorsBefore = bench::ReceiveBufferErrors();
        roundWorst = 0;
        WaitUntilQuiet(registry);
        idleWorst = qMax(idleWorst, roundWorst);
        roundWorst = 0;
        window.session().actions().RefreshUsersList();
        std::unique_ptr<QThread> sender(QThread::create([&answers, port] {
            QUdpSocket socket;
            for (const QByteArray& datagram : std::as_const(answers))
                socket.writeDatagram(datagram, QHostAddress::LocalHost, port);
        }));
        sender->start();
        WaitUntilQuiet(registry);
        sender->wait();
        WaitUntilQuiet(registry);

        int listed = 0;
        for (int i = 0; i < CrowdSize; ++i)
            listed += registry.FindUser(QStringLiteral("crowd%1").arg(i)) >= 0;
        const int lost = CrowdSize - listed;
        lostTotal += lost;
        roundsWithLoss += lost > 0;
        worstGap = qMax(worstGap, roundWorst);
        std::printf("round %2d: %4d listed, %3d lost, RcvbufErrors +%lld, longest stall %lld ms\n",
                    round, listed, lost,
                    static_cast<long long>(bench::ReceiveBufferErrors() - errorsBefore),
                    static_cast<long long>(roundWorst));
    }
    std::printf("total: %d of %d answers lost, %d of %d rounds with a loss, RcvbufErrors +%lld\n",
                lostTotal, Rounds * CrowdSize, roundsWithLoss, Rounds,
                static_cast<long long>(bench::ReceiveBufferErrors() - errorsAtStart));
    std::printf("event loop: longest stall %lld ms (%lld ms while idle)\n",
                static_cast<long long>(worstGap), static_cast<long long>(idleWorst));
    window.Exit1Click();
    return 0;
}
