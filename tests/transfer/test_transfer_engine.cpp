#include "transfer/files_queue.h"
#include "transfer/stream_format.h"
#include "transfer/transfer_engine.h"

#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace quorvelle::transfer;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// Everything here stays on 127.0.0.1, on ports the system chooses.
namespace {

constexpr int Long = 30000; // ms; a limit for waits that end much sooner

using Bytes = QList<QByteArray>;

QByteArray header(const QByteArray& name, qint32 size)
{
    return FramePacket(HeaderPayload("peer", name, size));
}
QByteArray data(const QByteArray& block)
{
    return FramePacket(DataPayload(block));
}
const QByteArray End = FramePacket(EndPayload());
const QByteArray Close = "<close>"; // a step that closes the connection

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

TransferTimings timings(std::chrono::milliseconds net, std::chrono::milliseconds retryWait = 5000ms,
                        int spread = 9999)
{
    TransferTimings t;
    t.netTimeout = net;
    t.retryWaitMin = retryWait;
    t.retryWaitSpread = spread;
    return t;
}

// One engine with its queue, a working directory and the own nick "me"; every nick
// but "ghost" lives on 127.0.0.1.
struct Rig
{
    explicit Rig(TransferTimings timings = {})
        : engine([](const QString& nick) { return nick == u"ghost"_s ? 0u : 0x7F000001u; },
                 "windows-1251", std::move(timings)),
          queue(engine)
    {
        ConnectQueue(engine, queue);
        engine.setMyNick(u"me"_s);
        engine.setIncomingDir(incoming());
        QObject::connect(&engine, &TransferEngine::transferChanged,
                         [this](Direction d, const TransferInfo& info, int fields) {
                             if (d == Direction::Send)
                                 sendReports.append({info, fields});
                         });
        listening = engine.listen(QHostAddress::LocalHost, 0);
        engine.setPeerPort(engine.listenPort());
    }

    QString incoming() const { return dir.filePath(u"in"_s) + u'/'; }
    QString source(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(dir.filePath(u"out"_s));
        QFile file(dir.filePath(u"out/"_s + name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    QString status(Direction d, int row = 0)
    {
        FilesQueueModel& model = queue.list(d);
        return row < model.count() ? model.cellText(row, FilesQueueModel::StatusColumn) : QString();
    }
    bool final(Direction d, int row = 0)
    {
        FilesQueueModel& model = queue.list(d);
        return row < model.count() && IsFinalState(model.entry(row).state);
    }
    QStringList incomingFiles() const
    {
        return QDir(incoming())
            .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    TransferEngine engine;
    FilesQueue queue;
    bool listening = false;
    QList<QPair<TransferInfo, int>> sendReports;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// A receiving peer scripted by the test: it answers each packet with what answer
// gives ("close" cuts the connection, nothing stays silent).
class ScriptedReceiver : public QObject
{
public:
    explicit ScriptedReceiver(std::function<QByteArray(const QByteArray&)> answer = {})
        : m_answer(answer ? std::move(answer) : [](const QByteArray& payload) {
              return payload.startsWith('E') ? QByteArray() : AckPayload();
          })
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            peer = server.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, this, &ScriptedReceiver::read);
        });
    }

    QTcpServer server;
    QPointer<QTcpSocket> peer;
    Bytes payloads;

private:
    void read()
    {
        m_buffer += peer->readAll();
        while (m_buffer.size() >= 2) {
            const int length = quint8(m_buffer[0]) | quint8(m_buffer[1]) << 8;
            if (m_buffer.size() < length + 2)
                return;
            payloads.append(m_buffer.sliced(2, length));
            m_buffer.remove(0, length + 2);
            const QByteArray reply = m_answer(payloads.last());
            if (reply == "close")
                return peer->abort();
            if (!reply.isEmpty())
                peer->write(FramePacket(reply));
        }
    }

    std::function<QByteArray(const QByteArray&)> m_answer;
    QByteArray m_buffer;
};

// The blocks a receiver saw, after the header.
QList<int> blockSizes(const Bytes& payloads)
{
    QList<int> sizes;
    for (const QByteArray& p : payloads)
        if (p.startsWith('D'))
            sizes.append(int(p.size() - 2));
    return sizes;
}

int openDescriptors()
{
    return int(QDir(u"/proc/self/fd"_s).count());
}

} // namespace

class TestTransferEngine : public QObject
{
    Q_OBJECT

private slots:
    void sendBlocks_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("blocks");
        QTest::newRow("empty") << 0 << QList<int>{};
        QTest::newRow("70000") << 70000 << QList<int>{4096, 8192, 16384, 32768, 8560};
        QTest::newRow("past the largest")
            << 130000 << QList<int>{4096, 8192, 16384, 32768, 65531, 3029};
    }

    void sendBlocks()
    {
        QFETCH(int, size);
        // Every acknowledgement comes at once by this clock.
        TransferTimings t;
        t.clockMs = [] { return qint64(0); };
        Rig rig(t);
        ScriptedReceiver peer;
        rig.engine.setPeerPort(peer.server.serverPort());
        const QByteArray bytes = pattern(size);
        QCOMPARE(rig.queue.addFiles({rig.source(u"f.bin"_s, bytes)}, {u"bob"_s}), 1);
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Send), Long);
        QCOMPARE(rig.status(Direction::Send), u"Send OK"_s);
        QCOMPARE(peer.payloads.first(), HeaderPayload("me", "f.bin", size));
        QTEST(blockSizes(peer.payloads), "blocks");
        QCOMPARE(peer.payloads.last(), EndPayload());
        QByteArray got;
        for (const QByteArray& p : std::as_const(peer.payloads))
            if (p.startsWith('D'))
                got += p.sliced(2);
        QCOMPARE(got, bytes);
        // Progress waits for its turn; the final report always carries it.
        QCOMPARE(rig.sendReports.last().first.done, qint64(size));
        QVERIFY(rig.sendReports.last().second & Field::Elapsed);
    }

    void sendFailures_data()
    {
        QTest::addColumn<QString>("nick");
        QTest::addColumn<QByteArray>("answer"); // to every packet; "" stays silent
        QTest::addColumn<int>("answers");       // how many packets get one
        QTest::addColumn<QString>("status");
        QTest::newRow("unknown nick") << u"ghost"_s << QByteArray() << 0 << u"ERR_GETIP"_s;
        QTest::newRow("data to the sender")
            << u"bob"_s << QByteArray("D\0x", 3) << 1 << u"ERR_BADPKT"_s;
        QTest::newRow("silent after the header")
            << u"bob"_s << QByteArray() << 0 << u"ERR_TIMEOUT"_s;
        QTest::newRow("silent mid-file") << u"bob"_s << AckPayload() << 2 << u"ERR_TIMEOUT"_s;
        QTest::newRow("closed mid-file") << u"bob"_s << QByteArray("close") << 2 << u"ERR_CLOSE"_s;
    }

    void sendFailures()
    {
        QFETCH(QString, nick);
        QFETCH(QByteArray, answer);
        QFETCH(int, answers);
        Rig rig(timings(300ms));
        int answered = 0;
        ScriptedReceiver peer([&](const QByteArray&) {
            if (answer == "close" && answered == answers)
                return answer;
            return answered++ < answers ? (answer == "close" ? AckPayload() : answer)
                                        : QByteArray();
        });
        rig.engine.setPeerPort(peer.server.serverPort());
        rig.queue.addFiles({rig.source(u"f.bin"_s, pattern(50000))}, {nick});
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Send), Long);
        QTEST(rig.status(Direction::Send), "status");
        QTRY_COMPARE_WITH_TIMEOUT(rig.engine.liveWorkers(), 0, Long);
    }

    void refusesTwoGigabytes()
    {
        Rig rig;
        QFile big(rig.source(u"big"_s, {}));
        QVERIFY(big.resize(qint64(1) << 31)); // sparse where the file system allows
        rig.queue.addFiles({big.fileName()}, {u"bob"_s});
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Send), Long);
        QCOMPARE(rig.status(Direction::Send), u"ERR_TOO_BIG"_s);
    }

    void toOwnNick()
    {
        Rig rig;
        QVERIFY(rig.listening);
        const QByteArray bytes = pattern(200000);
        rig.queue.addFiles({rig.source(u"own.bin"_s, bytes)}, {u"me"_s});
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Send) && rig.final(Direction::Receive), Long);
        QCOMPARE(rig.status(Direction::Send), u"Send OK"_s);
        QCOMPARE(rig.status(Direction::Receive), u"Receive OK"_s);
        QCOMPARE(rig.queue.receiving().entry(0).nickName, u"me"_s);
        QCOMPARE(rig.incomingFiles(), QStringList{u"own.bin"_s});
        QCOMPARE(readFile(rig.incoming() + u"own.bin"_s), bytes);
    }

    void noListener()
    {
        Rig rig(timings(60s, 5ms, 10));
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        rig.engine.setPeerPort(closed.serverPort());
        closed.close();
        rig.queue.addFiles({rig.source(u"f"_s, "x")}, {u"bob"_s});
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Send), Long);
        QCOMPARE(rig.status(Direction::Send), u"Can't Connect to bob"_s);
        QStringList seen;
        for (const auto& [info, fields] : std::as_const(rig.sendReports))
            if ((fields & Field::State) && seen.value(seen.size() - 1) != StatusText(info))
                seen.append(StatusText(info));
        QStringList expected;
        for (int n = 1; n <= 10; ++n)
            expected << u"Connecting to bob"_s << u"No Answer %1, Waiting"_s.arg(n);
        expected << u"Can't Connect to bob"_s;
        QCOMPARE(seen, expected);
    }

    void startCutsTheWaitShort()
    {
        TransferTimings t = timings(60s, 1h);
        t.connectAttempts = 2;
        Rig rig(t);
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        rig.engine.setPeerPort(closed.serverPort());
        closed.close();
        rig.queue.addFiles({rig.source(u"f"_s, "x")}, {u"bob"_s});
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(Direction::Send), u"No Answer 1, Waiting"_s, Long);
        rig.queue.start(0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(Direction::Send), u"No Answer 2, Waiting"_s, Long);
        QCOMPARE(rig.queue.runningSends(), 1);
        // After the last attempt there is nothing to hurry: Start gives up at once.
        rig.queue.start(0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(Direction::Send), u"Can't Connect to bob"_s, Long);
        QTRY_COMPARE_WITH_TIMEOUT(rig.queue.runningSends(), 0, Long);
        QCOMPARE(rig.engine.liveWorkers(), 0);
    }

    void receive_data()
    {
        QTest::addColumn<Bytes>("steps");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("file"); // the file that holds what came, if any
        QTest::addColumn<QByteArray>("content");
        // Every row starts with f.txt holding "old" in the incoming directory.
        const QByteArray longName = QByteArray(300, 'n') + ".txt";
        QTest::newRow("empty file")
            << Bytes{header("e.txt", 0), End} << u"Receive OK"_s << u"e.txt"_s << QByteArray();
        QTest::newRow("replaces") << Bytes{header("f.txt", 5), data("hello"), End}
                                  << u"Receive OK"_s << u"f.txt"_s << QByteArray("hello");
        QTest::newRow("more than announced") << Bytes{header("f.txt", 3), data("hello")}
                                             << u"ERR_SIZE"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("fewer than announced") << Bytes{header("f.txt", 9), data("hello"), End}
                                              << u"ERR_SIZE"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("data before the header")
            << Bytes{data("hello")} << u"ERR_BADPKT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("unknown command")
            << Bytes{header("f.txt", 5), FramePacket(QByteArray("X\0", 2))} << u"ERR_BADPKT"_s
            << u"f.txt"_s << QByteArray("old");
        QTest::newRow("second header") << Bytes{header("f.txt", 5), header("f.txt", 5)}
                                       << u"ERR_BADPKT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("dot dot") << Bytes{header("../../x", 1), data("1"), End} << u"Receive OK"_s
                                 << u"x"_s << QByteArray("1");
        QTest::newRow("absolute") << Bytes{header("/etc/passwd", 1), data("2"), End}
                                  << u"Receive OK"_s << u"passwd"_s << QByteArray("2");
        QTest::newRow("backslash") << Bytes{header("a\\b", 1), data("3"), End} << u"Receive OK"_s
                                   << u"b"_s << QByteArray("3");
        QTest::newRow("300 bytes") << Bytes{header(longName, 1), data("4"), End} << u"Receive OK"_s
                                   << QString(176, u'n') + u".txt"_s << QByteArray("4");
        QTest::newRow("empty name")
            << Bytes{header("", 1)} << u"ERR_BADPKT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("dot dot only")
            << Bytes{header("..", 1)} << u"ERR_BADPKT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("no zero bytes") << Bytes{FramePacket("Bpeer f.txt 1")} << u"ERR_BADPKT"_s
                                       << u"f.txt"_s << QByteArray("old");
        QTest::newRow("one zero byte") << Bytes{FramePacket(QByteArray("B\0peer f.txt", 12))}
                                       << u"ERR_BADPKT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("size -1") << Bytes{header("f.txt", -1)} << u"ERR_BADPKT"_s << u"f.txt"_s
                                 << QByteArray("old");
        QTest::newRow("length beyond the packet")
            << Bytes{QByteArray("\xE8\x03"
                                "B\0peer\0",
                                9)}
            << u"ERR_TIMEOUT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("stops mid-file") << Bytes{header("f.txt", 9), data("hello")}
                                        << u"ERR_TIMEOUT"_s << u"f.txt"_s << QByteArray("old");
        QTest::newRow("closes mid-file") << Bytes{header("f.txt", 9), data("hello"), Close}
                                         << u"ERR_CLOSE"_s << u"f.txt"_s << QByteArray("old");
    }

    void receive()
    {
        QFETCH(Bytes, steps);
        QFETCH(QString, file);
        Rig rig(timings(300ms));
        QVERIFY(QDir().mkpath(rig.incoming()));
        QFile old(rig.incoming() + u"f.txt"_s);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();

        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, rig.engine.listenPort());
        QVERIFY(peer.waitForConnected(Long));
        QByteArray replies;
        connect(&peer, &QTcpSocket::readyRead, this, [&] { replies += peer.readAll(); });
        for (const QByteArray& step : std::as_const(steps)) {
            if (rig.final(Direction::Receive))
                break;
            if (step == Close) {
                peer.disconnectFromHost();
                break;
            }
            const qsizetype before = replies.size();
            peer.write(step);
            // Lock-step: the next packet only after the answer (or the end).
            QTRY_VERIFY_WITH_TIMEOUT(replies.size() > before || rig.final(Direction::Receive),
                                     Long);
        }
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Receive), Long);
        QTEST(rig.status(Direction::Receive), "status");
        QTEST(readFile(rig.incoming() + file), "content");
        // Nothing half-written stays behind, nothing lands outside.
        QStringList expected{u"f.txt"_s, file};
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(rig.incomingFiles(), expected);
        QCOMPARE(
            QDir(rig.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{u"in"_s});
        QVERIFY(replies.size() % 4 == 0 && !replies.contains('E'));
    }

#ifdef Q_OS_LINUX
    void diskFull()
    {
        Rig rig;
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, rig.engine.listenPort());
        QVERIFY(peer.waitForConnected(Long));
        // The process may write files of 100000 bytes at most: the second block fails.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100000;
        setrlimit(RLIMIT_FSIZE, &small);
        peer.write(header("big.bin", 120000));
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(Direction::Receive), u"Receiving from peer"_s, Long);
        peer.write(data(pattern(60000)));
        QTRY_COMPARE_WITH_TIMEOUT(rig.queue.receiving().entry(0).done, qint64(60000), Long);
        peer.write(data(pattern(60000)));
        QTRY_VERIFY_WITH_TIMEOUT(rig.final(Direction::Receive), Long);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(rig.status(Direction::Receive), u"ERR_WRITE_FILE"_s);
        QCOMPARE(rig.incomingFiles(), QStringList());
    }

    // Hundreds of connections that say nothing each end with their state, while a
    // real transfer beside them goes through; no worker or descriptor is left.
    void silentCrowd()
    {
        Rig rig(timings(3s));
        const int descriptors = openDescriptors();
        std::vector<std::unique_ptr<QTcpSocket>> crowd;
        // In batches the listen backlog holds, so the system drops no connection request.
        for (int batch = 0; batch < 10; ++batch) {
            for (int i = 0; i < 50; ++i) {
                crowd.push_back(std::make_unique<QTcpSocket>());
                crowd.back()->connectToHost(QHostAddress::LocalHost, rig.engine.listenPort());
            }
            QTRY_VERIFY_WITH_TIMEOUT(std::all_of(crowd.end() - 50, crowd.end(),
                                                 [](const auto& socket) {
                                                     return socket->state() ==
                                                            QAbstractSocket::ConnectedState;
                                                 }),
                                     Long);
        }
        rig.queue.addFiles({rig.source(u"through"_s, pattern(100000))}, {u"me"_s});
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(Direction::Send), u"Send OK"_s, 60000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.queue.receiving().count(), 501, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (int row = 0; row < rig.queue.receiving().count(); ++row)
                    if (!rig.final(Direction::Receive, row))
                        return false;
                return true;
            }(),
            60000);
        int timedOut = 0;
        for (int row = 0; row < rig.queue.receiving().count(); ++row) {
            const QString status = rig.status(Direction::Receive, row);
            timedOut += status == u"ERR_TIMEOUT"_s;
            QVERIFY2(status == u"ERR_TIMEOUT"_s || status == u"Receive OK"_s, qPrintable(status));
        }
        QCOMPARE(timedOut, 500);
        QCOMPARE(readFile(rig.incoming() + u"through"_s), pattern(100000));
        crowd.clear();
        QTRY_COMPARE_WITH_TIMEOUT(rig.engine.liveWorkers(), 0, Long);
        QTRY_VERIFY_WITH_TIMEOUT(openDescriptors() <= descriptors, Long);
    }
#endif
};

QTEST_GUILESS_MAIN(TestTransferEngine)
#include "test_transfer_engine.moc"
