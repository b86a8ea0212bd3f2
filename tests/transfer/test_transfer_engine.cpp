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

    void noPeer() // a port nobody listens on
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        engine.setPeerPort(closed.serverPort());
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
        QTest::addColumn<int>("acks");          // packets acknowledged before ...
        QTest::addColumn<QByteArray>("answer"); // ... this answer; "" stays silent
        QTest::addColumn<QString>("status");
        QTest::newRow("unknown nick") << u"ghost"_s << 0 << QByteArray() << u"ERR_GETIP"_s;
        QTest::newRow("data to the sender")
            << u"bob"_s << 0 << QByteArray("D\0x", 3) << u"ERR_BADPKT"_s;
        QTest::newRow("silent after the header")
            << u"bob"_s << 0 << QByteArray() << u"ERR_TIMEOUT"_s;
        QTest::newRow("silent mid-file") << u"bob"_s << 2 << QByteArray() << u"ERR_TIMEOUT"_s;
        QTest::newRow("closed mid-file") << u"bob"_s << 2 << QByteArray("close") << u"ERR_CLOSE"_s;
    }

    void sendFailures()
    {
        QFETCH(QString, nick);
        QFETCH(int, acks);
        QFETCH(QByteArray, answer);
        Rig rig(timings(300ms));
        int answered = 0;
        ScriptedReceiver peer(
            [&](const QByteArray&) { return answered++ < acks ? AckPayload() : answer; });
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
        rig.noPeer();
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
        rig.noPeer();
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
        const auto ok = [](const char* row, const Bytes& steps, const char* file,
                           const QByteArray& content) {
            QTest::newRow(row) << steps << u"Receive OK"_s << QString::fromLatin1(file) << content;
        };
        const auto fails = [](const char* row, const Bytes& steps, const char* status) {
            QTest::newRow(row) << steps << QString::fromLatin1(status) << u"f.txt"_s
                               << QByteArray("old");
        };
        ok("empty file", {header("e.txt", 0), End}, "e.txt", {});
        // Nothing replaces a file; a file that grew or shrank while it was sent
        // arrives as it was read.
        ok("beside the old one", {header("f.txt", 5), data("hello"), End}, "f (2).txt", "hello");
        ok("grew", {header("g.txt", 3), data("hello"), End}, "g.txt", "hello");
        ok("shrank", {header("s.txt", 9), data("hello"), End}, "s.txt", "hello");
        // Hostile names land inside the incoming directory; the rest of the
        // reduction is in test_transfer_format.
        ok("dot dot", {header("../../x", 1), data("1"), End}, "x", "1");
        ok("absolute", {header("/etc/passwd", 1), data("2"), End}, "passwd", "2");
        fails("dot dot only", {header("..", 1)}, "ERR_BADPKT");
        fails("2 GiB or more", {header("f.txt", -2)}, "ERR_TOO_BIG");
        fails("data before the header", {data("hello")}, "ERR_BADPKT");
        fails("unknown command", {header("f.txt", 5), FramePacket(QByteArray("X\0", 2))},
              "ERR_BADPKT");
        fails("second header", {header("f.txt", 5), header("f.txt", 5)}, "ERR_BADPKT");
        fails("bad header", {FramePacket(QByteArray("B\0peer f.txt", 12))}, "ERR_BADPKT");
        // Silent peers: a length that promises more than comes, a file that stops.
        fails("length beyond the packet",
              {QByteArray("\xE8\x03"
                          "B\0peer\0",
                          9)},
              "ERR_TIMEOUT");
        fails("stops mid-file", {header("f.txt", 9), data("hello")}, "ERR_TIMEOUT");
        fails("closes mid-file", {header("f.txt", 9), data("hello"), Close}, "ERR_CLOSE");
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
