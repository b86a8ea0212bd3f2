#include "net/ipv4_text.h"
#include "net/transport.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#endif

using namespace quorvelle::net;

// Everything here stays on loopback: no datagram goes to a broadcast or outside address.
namespace {

constexpr quint32 Loopback = 0x7F000001;

// A free high port from the system's ephemeral range, far from the program's own.
quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// Records every send and fails the chosen one, without putting anything on the wire.
class RecordingTransport : public UdpTransport
{
public:
    using UdpTransport::UdpTransport;
    QList<quint32> tried;
    int failAt = -1;
    qint64 failResult = -1;

protected:
    qint64 writeDatagram(const QByteArray& datagram, quint32 address, quint16) override
    {
        tried.append(address);
        return tried.size() - 1 == failAt ? failResult : datagram.size();
    }
};

// Lets a test read only a few datagrams per readyRead, so the rest wait for later passes.
class ShortPassTransport : public UdpTransport
{
public:
    using UdpTransport::setMaxDatagramsPerPass;
    using UdpTransport::UdpTransport;
};

// A transport bound to a loopback-reachable port; received datagrams and receive
// failures land in one log, a null entry standing for a failure.
struct Receiver
{
    DatagramSeq seq{65535};
    ShortPassTransport transport{seq};
    quint16 port = freePort();
    QList<QByteArray> log;
    QList<quint32> sources;

    bool open()
    {
        QObject::connect(&transport, &UdpTransport::datagramReceived,
                         [this](const QByteArray& datagram, quint32 source) {
                             log.append(datagram);
                             sources.append(source);
                         });
        QObject::connect(&transport, &UdpTransport::receiveFailed,
                         [this] { log.append(QByteArray()); });
        return port != 0 && transport.OpenSockets(port);
    }
};

} // namespace

class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void parseIpv4Text_data();
    void parseIpv4Text();
    void parseAgreesWithSystemConversion();
    void loadBroadcastAddrs_data();
    void loadBroadcastAddrs();
    void broadcastSendsOneFrameToEveryAddress();
    void broadcastStopsAtFirstFailure_data();
    void broadcastStopsAtFirstFailure();
    void sendToAddressZeroFails();
    void receivesEveryDatagramInOrder_data();
    void receivesEveryDatagramInOrder();
    void nestedEventLoopInHandlerKeepsOrder();
    void exitingLeavesDatagramsUnread();
};

void TestTransport::parseIpv4Text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("address");
    auto ok = [](const char* name, const char* text, quint32 address) {
        QTest::newRow(name) << QString::fromLatin1(text) << true << address;
    };
    auto bad = [](const char* name, const QString& text) {
        QTest::newRow(name) << text << false << 0u;
    };
    ok("dotted", "10.20.30.40", 0x0A141E28);
    ok("all ones", "255.255.255.255", 0xFFFFFFFF);
    ok("zero", "0", 0);
    ok("one part", "2130706433", Loopback);
    ok("one part hex max", "0xFFFFFFFF", 0xFFFFFFFF);
    ok("two parts", "127.1", Loopback);
    ok("two parts max", "1.0xFFFFFF", 0x01FFFFFF);
    ok("three parts", "10.1.258", 0x0A010102);
    ok("three parts max", "1.2.65535", 0x0102FFFF);
    ok("octal", "0177.0.0.01", Loopback);
    ok("octal zeros", "010.0010.00.0", 0x08080000);
    ok("hex mixed case", "0X7F.0xa.0xB.0xc", 0x7F0A0B0C);
    bad("trailing dot", QStringLiteral("255.255.255.255."));
    bad("leading dot", QStringLiteral(".1.2.3"));
    bad("empty part", QStringLiteral("1..2"));
    bad("five parts", QStringLiteral("1.2.3.4.5"));
    bad("byte over 255", QStringLiteral("256.1.1.1"));
    bad("last of four over 255", QStringLiteral("1.2.3.256"));
    bad("last of three over 16 bits", QStringLiteral("1.2.65536"));
    bad("last of two over 24 bits", QStringLiteral("1.16777216"));
    bad("first of two over 255", QStringLiteral("256.1"));
    bad("one part over 32 bits", QStringLiteral("4294967296"));
    bad("huge", QStringLiteral("0x1000000000000000000000001"));
    bad("empty", QString());
    bad("leading blank", QStringLiteral(" 1.2.3.4"));
    bad("trailing blank", QStringLiteral("1.2.3.4 "));
    bad("inner blank", QStringLiteral("1.2. 3.4"));
    bad("name", QStringLiteral("localhost"));
    bad("letter part", QStringLiteral("1.2.3.a"));
    bad("plus sign", QStringLiteral("+1.2.3.4"));
    bad("minus sign", QStringLiteral("-1"));
    bad("8 in octal", QStringLiteral("08"));
    bad("hex without digits", QStringLiteral("0x.1"));
    bad("wide digits", QStringLiteral(u"\uFF11.\uFF12.\uFF13.\uFF14"));
}

void TestTransport::parseIpv4Text()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(quint32, address);
    const std::optional<quint32> parsed = ParseIpv4Text(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, address);
}

// Random texts from number characters only (the system call also takes trailing
// blanks, which we refuse) must come out as the system's own conversion says.
void TestTransport::parseAgreesWithSystemConversion()
{
#ifdef Q_OS_UNIX
    static const char alphabet[] = "0123456789abcdefxX.....";
    QRandomGenerator rng(7081);
    for (int n = 0; n < 50000; ++n) {
        QByteArray text;
        const int length = rng.bounded(1, 24);
        for (int i = 0; i < length; ++i)
            text.append(alphabet[rng.bounded(int(sizeof alphabet) - 1)]);
        in_addr system{};
        const bool systemOk = inet_aton(text.constData(), &system) != 0;
        const std::optional<quint32> parsed = ParseIpv4Text(QString::fromLatin1(text));
        if (parsed.has_value() != systemOk || (systemOk && *parsed != ntohl(system.s_addr)))
            QFAIL(text.constData());
    }
#else
    QSKIP("no system conversion to compare with");
#endif
}

void TestTransport::loadBroadcastAddrs_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<quint32>>("addrs");
    QTest::newRow("none means all ones") << QStringList() << QList<quint32>{0xFFFFFFFF};
    QTest::newRow("rejected, kept in order with duplicates")
        << QStringList{QStringLiteral("127.0.0.1"), QStringLiteral("nowhere"),
                       QStringLiteral("127.1"), QString()}
        << QList<quint32>{Loopback, 0xFFFFFFFF, Loopback, 0xFFFFFFFF};
}

// Inspected only: these tables are never sent to.
void TestTransport::loadBroadcastAddrs()
{
    QFETCH(QStringList, names);
    QFETCH(QList<quint32>, addrs);
    DatagramSeq seq;
    UdpTransport transport(seq);
    transport.SetBroadcastAddrs({QStringLiteral("127.0.0.9")});
    transport.LoadBroadcastAddrs(names);
    QCOMPARE(transport.broadcastAddrs(), addrs);
}

void TestTransport::broadcastSendsOneFrameToEveryAddress()
{
    Receiver r;
    QVERIFY(r.open());
    r.transport.SetBroadcastAddrs({QStringLiteral("127.0.0.1"), QStringLiteral("127.1")});
    DatagramSeq expectedSeq(r.seq.value());
    const QByteArray expected = FrameDatagram("/Xhello", expectedSeq);

    QVERIFY(r.transport.SendBroadcast("/Xhello"));
    QCOMPARE(r.seq.value(), expectedSeq.value());
    QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), 2, 10000);
    QCOMPARE(r.log, (QList<QByteArray>{expected, expected}));
    QCOMPARE(r.sources, (QList<quint32>{Loopback, Loopback}));
}

void TestTransport::broadcastStopsAtFirstFailure_data()
{
    QTest::addColumn<int>("tableSize");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<qint64>("failResult");
    QTest::addColumn<int>("tried");
    QTest::newRow("second of three fails") << 3 << 1 << qint64(-1) << 2;
    QTest::newRow("nothing written counts as failure") << 3 << 1 << qint64(0) << 2;
    QTest::newRow("first fails") << 3 << 0 << qint64(-1) << 1;
    QTest::newRow("all succeed") << 3 << -1 << qint64(-1) << 3;
    QTest::newRow("empty table") << 0 << -1 << qint64(-1) << 0;
}

void TestTransport::broadcastStopsAtFirstFailure()
{
    QFETCH(int, tableSize);
    QFETCH(int, failAt);
    QFETCH(qint64, failResult);
    QFETCH(int, tried);
    DatagramSeq seq(10);
    RecordingTransport transport(seq);
    transport.failAt = failAt;
    transport.failResult = failResult;
    QStringList table;
    for (int i = 1; i <= tableSize; ++i)
        table.append(QStringLiteral("127.0.0.%1").arg(i));
    transport.SetBroadcastAddrs(table);
    QSignalSpy failed(&transport, &UdpTransport::sendFailed);

    QCOMPARE(transport.SendBroadcast("/Xx"), failAt < 0);
    QCOMPARE(failed.size(), failAt < 0 ? 0 : 1);
    QCOMPARE(transport.tried, transport.broadcastAddrs().first(tried));
    QCOMPARE(seq.value(), quint16(11));
}

void TestTransport::sendToAddressZeroFails()
{
    DatagramSeq seq(10);
    RecordingTransport transport(seq);
    QSignalSpy failed(&transport, &UdpTransport::sendFailed);
    QVERIFY(!transport.SendTo("/Xx", 0));
    QCOMPARE(failed.size(), 1);
    QVERIFY(transport.tried.isEmpty());
    QCOMPARE(seq.value(), quint16(11));
    QVERIFY(transport.SendTo("/Xx", Loopback));
    QCOMPARE(transport.tried, QList<quint32>{Loopback});
    QCOMPARE(failed.size(), 1);
}

void TestTransport::receivesEveryDatagramInOrder_data()
{
    QTest::addColumn<int>("perPass");
    QTest::addColumn<QList<int>>("sizes");
    QList<int> burst(300);
    for (int i = 0; i < burst.size(); ++i)
        burst[i] = 3 + i % 40;
    const QList<int> limits{1, 8191, 8192, 9000, 5, 0, 7, 0, 0, 65000, 2};
    QList<int> garbage(150);
    QRandomGenerator rng(31337);
    for (int& size : garbage)
        size = rng.bounded(2) ? rng.bounded(0, 9000) : rng.bounded(0, 64);
    QTest::newRow("burst") << 1000 << burst;
    QTest::newRow("burst in short passes") << 7 << burst;
    QTest::newRow("size limits") << 1000 << limits;
    QTest::newRow("size limits in short passes") << 3 << limits;
    QTest::newRow("random garbage") << 1000 << garbage;
}

void TestTransport::receivesEveryDatagramInOrder()
{
    QFETCH(int, perPass);
    QFETCH(QList<int>, sizes);
    Receiver r;
    QVERIFY(r.open());
    r.transport.setMaxDatagramsPerPass(perPass);
    QUdpSocket sender;
    QRandomGenerator rng(4242);
    QList<QByteArray> expected;
    qint64 queuedBytes = 0;
    for (int size : sizes) {
        QByteArray datagram(size, Qt::Uninitialized);
        for (char& c : datagram)
            c = char(rng.bounded(256));
        QCOMPARE(sender.writeDatagram(datagram, QHostAddress(Loopback), r.port), qint64(size));
        const bool fits = size >= 1 && size <= ReceiveBufferSize;
        expected.append(fits ? datagram : QByteArray());
        // Let the receiver catch up well before the system's receive buffer fills;
        // between catch-ups many datagrams wait behind one readyRead.
        queuedBytes += 1024 + size;
        if (queuedBytes > 96 * 1024 || expected.size() == sizes.size()) {
            QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), expected.size(), 10000);
            queuedBytes = 0;
        }
    }
    QCOMPARE(r.log, expected);
    QVERIFY(std::all_of(r.sources.begin(), r.sources.end(),
                        [](quint32 source) { return source == Loopback; }));
}

// A handler that spins the event loop (a message box, say) must not see the next
// datagram before it returns, and the socket must keep reporting afterwards.
void TestTransport::nestedEventLoopInHandlerKeepsOrder()
{
    Receiver r;
    QVERIFY(r.open());
    r.transport.setMaxDatagramsPerPass(1);
    QStringList steps;
    QObject::connect(&r.transport, &UdpTransport::datagramReceived,
                     [&](const QByteArray& datagram) {
                         steps.append(QString::fromLatin1(datagram));
                         for (int i = 0; i < 3; ++i)
                             QCoreApplication::processEvents();
                         steps.append(QStringLiteral("done"));
                     });
    QUdpSocket sender;
    for (int i = 1; i <= 21; ++i)
        sender.writeDatagram("/X" + QByteArray::number(i), QHostAddress(Loopback), r.port);
    QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), 21, 10000);
    QStringList expected;
    for (int i = 1; i <= 21; ++i)
        expected << QStringLiteral("/X%1").arg(i) << QStringLiteral("done");
    QCOMPARE(steps, expected);
}

void TestTransport::exitingLeavesDatagramsUnread()
{
    Receiver r;
    QVERIFY(r.open());
    QObject::connect(&r.transport, &UdpTransport::datagramReceived,
                     [&r] { r.transport.setExiting(true); });
    QUdpSocket sender;
    for (const char* text : {"/X1", "/X2", "/X3"})
        sender.writeDatagram(QByteArray(text), QHostAddress(Loopback), r.port);
    QTRY_COMPARE_WITH_TIMEOUT(r.log.size(), 1, 10000);

    QUdpSocket* receiveSocket = nullptr;
    for (QUdpSocket* socket : r.transport.findChildren<QUdpSocket*>())
        if (socket->localPort() == r.port)
            receiveSocket = socket;
    QVERIFY(receiveSocket);
    QTRY_VERIFY_WITH_TIMEOUT(receiveSocket->hasPendingDatagrams(), 10000);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(r.log, QList<QByteArray>{"/X1"});
    QVERIFY(receiveSocket->hasPendingDatagrams());
}

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
