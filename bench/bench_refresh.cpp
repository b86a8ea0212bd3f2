// How the main window copes with a crowd answering a refresh. A crowd of 1 000
// peers on loopback (127.0.1.1, 127.0.1.2, ...) answers every "?" that reaches it:
// a "?" to the table address with all 1 000 "!" as fast as it can, a "?" to one
// member's address with that member's "!". The window sends to the crowd's port
// and hears on its own, so its own datagrams do not come back (it does not list
// itself). Twenty refreshes run with the full receive buffer and twenty with the
// system's common limit of 208 KiB; each prints how many of the crowd are listed
// right after the first burst, after 1 s and after 2 s, the drops the system
// counted, how often the net and single peers were asked again, and the longest
// stall of the event loop. The first round of each set starts with nobody known.
#include "chat/chat_session.h"
#include "loopback_window.h"
#include "net/codec.h"
#include "net/packets.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <atomic>
#include <cstdio>
#include <memory>

using namespace quorvelle;

namespace {

constexpr int CrowdSize = 1000;
constexpr int Rounds = 20;
constexpr int CommonLimit = 208 * 1024;

quint32 MemberAddress(int i)
{
    return 0x7F000000u | (quint32(1 + i / 250) << 8) | quint32(1 + i % 250);
}

// Answers on its own thread, as other machines would.
class Crowd
{
public:
    Crowd(quint16 listenPort, quint16 answerPort)
        : m_listenPort(listenPort), m_answerPort(answerPort)
    {
        net::WireText text("windows-1251");
        net::Packets packets(text);
        net::DatagramSeq seq(7);
        for (int i = 0; i < CrowdSize; ++i)
            m_answers.append(net::FrameDatagram(
                packets.HereIAm(QStringLiteral("crowd%1").arg(i), presence::Status::Normal), seq));
        m_thread.reset(QThread::create([this] { run(); }));
        m_thread->start();
        while (!m_ready.load())
            QThread::msleep(1);
    }
    ~Crowd()
    {
        m_stop = true;
        m_thread->wait();
    }

    std::atomic<int> broadcasts{0};   // table "?" answered with everyone
    std::atomic<int> unicasts{0};     // "?" to one member
    std::atomic<qint64> burstDone{0}; // ms since the clock started, when a burst was sent

private:
    void run()
    {
        QUdpSocket socket;
        socket.bind(QHostAddress::AnyIPv4, m_listenPort);
        QUdpSocket sender;
        QElapsedTimer clock;
        clock.start();
        m_ready = true;
        const QHostAddress window(QHostAddress::LocalHost);
        auto answer = [&](int i) {
            QNetworkDatagram datagram(m_answers[i], window, m_answerPort);
            datagram.setSender(QHostAddress(MemberAddress(i)));
            sender.writeDatagram(datagram);
        };
        while (!m_stop) {
            if (!socket.waitForReadyRead(50))
                continue;
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram asked = socket.receiveDatagram();
                const auto decoded = net::DecodeDatagram(asked.data());
                if (!decoded || decoded->packet.size() < 2 || decoded->packet[1] != '?')
                    continue;
                const quint32 to = asked.destinationAddress().toIPv4Address();
                if (to == 0x7F000001) {
                    ++broadcasts;
                    for (int i = 0; i < CrowdSize; ++i)
                        answer(i);
                    burstDone = clock.elapsed();
                } else if ((to >> 16) == 0x7F00) {
                    const int i = int(((to >> 8) & 0xFF) - 1) * 250 + int(to & 0xFF) - 1;
                    if (i >= 0 && i < CrowdSize) {
                        ++unicasts;
                        answer(i);
                    }
                }
            }
        }
    }

    quint16 m_listenPort;
    quint16 m_answerPort;
    QList<QByteArray> m_answers;
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_stop{false};
};

void RunFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    qint64 roundWorst = 0;
    qint64 last = clock.elapsed();
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        roundWorst = qMax(roundWorst, now - last);
        last = now;
    });
    probe.start();

    // Each set starts a window of its own, so its first round starts with nobody known.
    for (const int wanted : {net::UdpTransport::WantedReceiveBuffer, CommonLimit}) {
        bench::LoopbackWindow loopback;
        if (!loopback.start())
            return 1;
        shell::TMainFm& window = *loopback.window;
        net::UdpTransport& transport = window.session().net().transport();
        const presence::UsersRegistry& registry = window.session().net().registry();
        const quint16 crowdPort = loopback.port + 1;
        transport.setWantedReceiveBuffer(wanted);
        if (!transport.OpenSockets(loopback.port))
            return 1;
        transport.setSendPort(crowdPort); // after opening, which sends to its own port
        RunFor(300);                      // the start-up refresh goes unanswered
        Crowd crowd(crowdPort, loopback.port);
        auto listed = [&] {
            int n = 0;
            for (int i = 0; i < CrowdSize; ++i)
                n += registry.FindUser(QStringLiteral("crowd%1").arg(i)) >= 0;
            return n;
        };

        std::printf("refresh: %d rounds of %d answers on loopback, receive buffer asked %d, "
                    "granted %d bytes\n",
                    Rounds, CrowdSize, wanted, transport.receiveBufferSize());
        int complete = 0;
        qint64 worst = 0;
        for (int round = 1; round <= Rounds; ++round) {
            RunFor(200);
            const int broadcastsBefore = crowd.broadcasts;
            const int unicastsBefore = crowd.unicasts;
            const quint64 dropsBefore = transport.systemDrops().value_or(0);
            roundWorst = 0;
            last = clock.elapsed();
            const qint64 start = clock.elapsed();
            window.session().actions().RefreshUsersList();
            while (crowd.broadcasts == broadcastsBefore && clock.elapsed() - start < 1000)
                RunFor(1);
            RunFor(20); // what the first burst brought, handled
            const int afterBurst = listed();
            RunFor(int(qMax<qint64>(0, 1000 - (clock.elapsed() - start))));
            const int atOne = listed();
            RunFor(int(qMax<qint64>(0, 2000 - (clock.elapsed() - start))));
            const int atTwo = listed();
            complete += atTwo == CrowdSize;
            worst = qMax(worst, roundWorst);
            std::printf(
                "round %2d: listed %4d after the burst, %4d after 1 s, %4d after 2 s; "
                "system drops +%llu; net asked %d more, peers asked %d; "
                "longest stall %lld ms\n",
                round, afterBurst, atOne, atTwo,
                static_cast<unsigned long long>(transport.systemDrops().value_or(0) - dropsBefore),
                crowd.broadcasts - broadcastsBefore - 1, crowd.unicasts - unicastsBefore,
                static_cast<long long>(roundWorst));
        }
        std::printf("total: %d of %d rounds listed all %d after 2 s; longest stall %lld ms\n",
                    complete, Rounds, CrowdSize, static_cast<long long>(worst));
        window.Exit1Click();
    }
    return 0;
}
