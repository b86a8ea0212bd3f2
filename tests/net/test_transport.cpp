#include "net/ipv4_text.h"
#include "net/transport.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

using namespace quorvelle::net;
using namespace Qt::StringLiterals;

// Everything here stays on loopback: no datagram goes to a broadcast or outside address.
namespace {

constexpr quint32 Loopback = 0x7F000001;

// Records every send and fails the chosen one, without putting anything on the wire.
class RecordingTransport : public UdpTransport
{
public:
    using UdpTransport::UdpTransport;
    QList<quint32> tried;
    QList<InterfaceAddress> nics;
    int failAt = -1;
    qint64 failResult = -1;

protected:
    QList<InterfaceAddress> interfaces() const override { return nics; }
    qint64 writeDatagram(const QByteArray& datagram, quint32 address, quint16) override
    {
        tried.append(address);
        return tried.size() - 1 == failAt ? failResult : datagram.size();
    }
};

// A base, so the sequence exists before the transport that refers to it.
struct Sequence
{
    DatagramSeq seq{65535};
};

// A transport on a free high port of loopback. It logs what it receives, a null entry
// standing for a receive failure.
struct Receiver : Sequence, UdpTransport
{
    using UdpTransport::setPassBudget;
    using UdpTransport::setWantedReceiveBuffer;
    quint16 port = 0;
    QList<QByteArray> log;

    explicit Receiver(int perPass = 1000) : UdpTransport(seq)
    {
        setMaxDatagramsPerPass(perPass);
        connect(this, &UdpTransport::datagramReceived,
                [this](const QByteArray& datagram, quint32 source) {
                    log.append(source == Loopback ? datagram : "from elsewhere");
                });
        connect(this, &UdpTransport::receiveFailed, [this] { log.append(QByteArray()); });
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        port = probe.localPort();
    }

    bool open() { return port != 0 && OpenSockets(port); }
    void send(const QByteArray& datagram)
    {
        QUdpSocket().writeDatagram(datagram, QHostAddress(Loopback), port);
    }
};

} // namespace

class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void parseIpv4Text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("address"); // -1: rejected
        const auto row = [](const QString& text, qint64 address) {
            QTest::newRow(qPrintable(text)) << text << address;
        };
        row(u"127.1"_s, Loopback);
        row(u"1.2.65535"_s, 0x0102FFFF);
        row(u"0177.0.0.01"_s, Loopback);
        row(u"0X7F.0xa.0xB.0xc"_s, 0x7F0A0B0C);
        row(u"255.255.255.255."_s, -1);
        row(u"1.2.3.256"_s, -1);
        row(u"1.2.65536"_s, -1);
        row(u"0x1000000000000000000000001"_s, -1);
        row(u" 1.2.3.4"_s, -1);
        row(u"08"_s, -1);
        row(u"0x.1"_s, -1);
        row(u"\uFF11.\uFF12.\uFF13.\uFF14"_s, -1);
    }

    void parseIpv4Text()
    {
        QFETCH(QString, text);
        QFETCH(qint64, address);
        const std::optional<quint32> parsed = ParseIpv4Text(text);
        QCOMPARE(parsed ? qint64(*parsed) : -1, address);
    }

    void broadcastSendsOneFrameToEveryAddress()
    {
        Receiver r;
        QVERIFY(r.open());
        r.SetBroadcastAddrs({u"127.0.0.1"_s, u"127.1"_s});
        DatagramSeq copy(r.seq.value());
        const QByteArray expected = FrameDatagram("/Xhello", copy);
        QVERIFY(r.SendBroadcast("/Xhello"));
        QTRY_COMPARE_WITH_TIMEOUT(r.log, (QList<QByteArray>{expected, expected}), 10000);
    }

    void sendStopsAtFirstFailure_data()
    {
        QTest::addColumn<bool>("everyInterface");
        QTest::addColumn<QList<InterfaceAddress>>("nics");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<qint64>("failResult");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QList<quint32>>("tried");
        // Cable and Wi-Fi up, a second address on the cable, a bridge without carrier,
        // a tunnel that cannot broadcast, and loopback.
        const QList<InterfaceAddress> nics{
            {u"eth0"_s, 0x0A000005, 24, 0x0A0000FF, true, true, false},
            {u"wlan0"_s, 0xC0A80107, 24, 0xC0A801FF, true, true, false},
            {u"eth0"_s, 0x0A000006, 24, 0x0A0000FF, true, true, false},
            {u"docker0"_s, 0xAC110001, 16, 0xAC11FFFF, false, true, false},
            {u"tun0"_s, 0x0A080001, 32, 0, true, false, false},
            {u"lo"_s, Loopback, 8, 0, true, false, true},
        };
        const QList<InterfaceAddress> none = nics.mid(3);
        constexpr quint32 All = 0xFFFFFFFF, Eth = 0x0A0000FF, Wlan = 0xC0A801FF;
        QTest::newRow("second of three fails")
            << false << nics << 1 << qint64(-1) << false << QList<quint32>{Loopback, All};
        QTest::newRow("nothing written counts as failure")
            << false << nics << 0 << qint64(0) << false << QList<quint32>{Loopback};
        QTest::newRow("all succeed")
            << false << nics << -1 << qint64(-1) << true << QList<quint32>{Loopback, All, Loopback};
        QTest::newRow("limited broadcast on every interface")
            << true << nics << -1 << qint64(-1) << true
            << QList<quint32>{Loopback, Eth, Wlan, Loopback};
        // One interface refusing is no failure; all of them refusing stops the table.
        QTest::newRow("one interface fails") << true << nics << 1 << qint64(-1) << true
                                             << QList<quint32>{Loopback, Eth, Wlan, Loopback};
        QTest::newRow("every interface fails")
            << true << nics.first(1) << 1 << qint64(-1) << false << QList<quint32>{Loopback, Eth};
        QTest::newRow("no interface up: the limited broadcast as it is")
            << true << none << -1 << qint64(-1) << true << QList<quint32>{Loopback, All, Loopback};
    }

    // The table is only recorded here, never sent to.
    void sendStopsAtFirstFailure()
    {
        QFETCH(bool, everyInterface);
        QFETCH(QList<InterfaceAddress>, nics);
        QFETCH(int, failAt);
        QFETCH(qint64, failResult);
        QFETCH(bool, sent);
        QFETCH(QList<quint32>, tried);
        DatagramSeq seq(10);
        RecordingTransport transport(seq);
        transport.nics = nics;
        transport.setEveryInterface(everyInterface);
        transport.failAt = failAt;
        transport.failResult = failResult;
        transport.LoadBroadcastAddrs({});
        QCOMPARE(transport.broadcastAddrs(), QList<quint32>{0xFFFFFFFF});
        // A text the conversion rejects stands for all ones; duplicates stay.
        transport.LoadBroadcastAddrs({u"127.0.0.1"_s, u"nowhere"_s, u"127.1"_s});
        QSignalSpy failed(&transport, &UdpTransport::sendFailed);

        QCOMPARE(transport.SendBroadcast("/Xx"), sent);
        QCOMPARE(failed.size(), sent ? 0 : 1);
        QCOMPARE(transport.tried, tried);
        QCOMPARE(seq.value(), quint16(11));
        // Address 0 (a user nobody knows) fails too, with nothing on the wire.
        QVERIFY(!transport.SendTo("/Xx", 0));
        QCOMPARE(transport.tried.size(), tried.size());
    }

    void receivesEveryDatagramInOrder_data()
    {
        QTest::addColumn<int>("perPass");
        QTest::addColumn<QList<int>>("sizes");
        QList<int> burst(300);
        for (int i = 0; i < burst.size(); ++i)
            burst[i] = 3 + i % 40;
        QTest::newRow("burst in short passes") << 7 << burst;
        // Empty and oversized datagrams are receive failures, in their place in the order.
        QTest::newRow("size limits")
            << 3 << QList<int>{1, 8191, 8192, 9000, 5, 0, 7, 0, 0, 65000, 2};
    }

    void receivesEveryDatagramInOrder()
    {
        QFETCH(int, perPass);
        QFETCH(QList<int>, sizes);
        Receiver r(perPass);
        QVERIFY(r.open());
        QList<QByteArray> expected;
        qint64 queuedBytes = 0;
        for (int size : sizes) {
            QByteArray datagram(size, char(expected.size()));
            r.send(datagram);
            expected.append(size >= 1 && size <= ReceiveBufferSize ? datagram : QByteArray());
            // Let the receiver catch up well before the system's receive buffer fills;
            // between catch-ups many datagrams wait behind one readyRead.
            queuedBytes += 1024 + size;
            if (queuedBytes > 96 * 1024 || expected.size() == sizes.size()) {
                QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), expected.size(), 10000);
                queuedBytes = 0;
            }
        }
        QCOMPARE(r.log, expected);
    }

    // A burst must not keep timers (and painting) waiting until it has all been read:
    // with no time to spare, every pass reads one datagram and then yields.
    void burstYieldsToTimersOnTimeBudget()
    {
        Receiver r;
        r.setPassBudget(std::chrono::nanoseconds(0));
        QVERIFY(r.open());
        QVERIFY(r.receiveBufferSize() > 0);
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(0);
        qsizetype readWhenTimerRan = -1;
        connect(&timer, &QTimer::timeout, this, [&] { readWhenTimerRan = r.log.size(); });
        connect(&r, &UdpTransport::datagramReceived, this, [&] {
            if (r.log.size() == 1)
                timer.start();
        });
        QList<QByteArray> expected;
        for (int i = 0; i < 20; ++i) {
            expected.append("/X" + QByteArray::number(i));
            r.send(expected.last());
        }
        QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), expected.size(), 10000);
        QCOMPARE(r.log, expected);
        QVERIFY2(readWhenTimerRan >= 1 && readWhenTimerRan < expected.size(),
                 qPrintable(QString::number(readWhenTimerRan)));
    }

    // A handler that spins the event loop (a message box, say) must not see the next
    // datagram before it returns, and the socket must keep reporting afterwards.
    void nestedEventLoopInHandlerKeepsOrder()
    {
        Receiver r(1);
        QVERIFY(r.open());
        QStringList steps, expected;
        connect(&r, &UdpTransport::datagramReceived, this, [&](const QByteArray& datagram) {
            steps.append(QString::fromLatin1(datagram));
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            steps.append(u"done"_s);
        });
        for (int i = 1; i <= 10; ++i) {
            r.send("/X" + QByteArray::number(i));
            expected << u"/X%1"_s.arg(i) << u"done"_s;
        }
        QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), 10, 10000);
        QCOMPARE(steps, expected);
    }

    // The system's buffer must keep draining while this thread is busy elsewhere (a
    // window being laid out): here it sends far more than a small buffer holds without
    // ever turning its event loop, paced as a crowd's answers arrive on a real net.
    void busyThreadLosesNothing()
    {
        Receiver r;
        r.setWantedReceiveBuffer(256 * 1024);
        QVERIFY(r.open());
        QUdpSocket sender;
        constexpr int Count = 2000;
        const QByteArray filler(100, 'x');
        for (int i = 0; i < Count; ++i) {
            sender.writeDatagram("/X" + QByteArray::number(i) + filler, QHostAddress(Loopback),
                                 r.port);
            QThread::usleep(100);
        }
        QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), Count, 10000);
        QCOMPARE(r.log.first(), "/X0" + filler);
        QCOMPARE(r.log.last(), "/X" + QByteArray::number(Count - 1) + filler);
        QCOMPARE(r.droppedDatagrams(), 0u);
    }

    void exitingLeavesDatagramsUnread()
    {
        Receiver r;
        QVERIFY(r.open());
        connect(&r, &UdpTransport::datagramReceived, this, [&r] { r.setExiting(true); });
        for (const char* text : {"/X1", "/X2", "/X3"})
            r.send(text);
        QTRY_VERIFY_WITH_TIMEOUT(!r.log.isEmpty(), 10000);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(r.log, QList<QByteArray>{"/X1"});
    }
};

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
