// The file transfer engine against plain sockets. A 1 GiB file goes from one engine
// to another over loopback, and the same number of bytes through a plain socket pair;
// while the engine sends, the process's resident memory is sampled every 100 ms and
// a 5 ms timer on the main thread measures the event loop's longest stall. Then both
// again through a relay that holds the bytes 0.5 ms in each direction, a 1 ms round
// trip: the conversation is one block per round trip, at most 65 531 bytes, so the
// engine cannot beat 65.5 MB/s there. Everything stays on 127.0.0.1, on ports the
// system chooses. Prints the numbers (MB = 1 000 000 bytes); asserts nothing.
#include "transfer/files_queue.h"
#include "transfer/stream_format.h"
#include "transfer/transfer_engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

using namespace quorvelle::transfer;
using namespace std::chrono_literals;

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 HoldNs = 500'000; // the relay's delay in each direction
constexpr int PlainWrite = 65536;  // the plain sender's writes, about one engine block

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

double megabytesPerSecond(qint64 bytes, double seconds)
{
    return seconds > 0 ? double(bytes) / 1e6 / seconds : 0.0;
}

// A listening socket on 127.0.0.1 and the port the system gave it; -1 on failure.
sockaddr_in LoopbackAddress(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

int listenLoopback(quint16* port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

int connectLoopback(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address = LoopbackAddress(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Forwards every connection made to it to a port of 127.0.0.1, holding the bytes
// of each direction for a while before passing them on: a slow network in a box.
// Runs on its own thread with a timer slack of 1 us (the default 50 us would be a
// tenth of the delay); its sockets do not wait for a full segment, so the relay adds
// the delay and, beyond the system's wake-up latency, nothing else.
class DelayRelay
{
public:
    DelayRelay(quint16 target, qint64 holdNs) : m_target(target), m_holdNs(holdNs)
    {
        m_listen = listenLoopback(&m_port);
        if (m_listen < 0 || ::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        m_thread = std::thread([this] { run(); });
    }

    ~DelayRelay()
    {
        if (m_thread.joinable()) {
            const char stop = 0;
            [[maybe_unused]] const auto written = ::write(m_wake[1], &stop, 1);
            m_thread.join();
        }
        for (const auto& link : m_links) {
            ::close(link->ways[0].from);
            ::close(link->ways[1].from);
        }
        for (const int fd : {m_listen, m_wake[0], m_wake[1]})
            if (fd >= 0)
                ::close(fd);
    }

    bool running() const { return m_thread.joinable(); }
    quint16 port() const { return m_port; }
    // How long the chunks of bytes were actually held, on average, in microseconds.
    double meanHoldUs() const
    {
        const qint64 chunks = m_chunks.load();
        return chunks > 0 ? double(m_holdSumNs.load()) / double(chunks) / 1000.0 : 0.0;
    }

private:
    struct Chunk
    {
        qint64 arrived;
        QByteArray bytes;
        qsizetype written = 0;
    };
    struct Way
    {
        int from = -1;
        int to = -1;
        std::deque<Chunk> queue;
        qint64 queued = 0;
        bool eof = false;
        bool shut = false;
    };
    struct Link
    {
        Way ways[2];
        bool dead = false;
        bool done() const { return dead || (ways[0].shut && ways[1].shut); }
    };

    static constexpr qint64 MaxQueued = 64 * MiB; // per direction; reading pauses above it

    static void prepare(int fd)
    {
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }

    void run()
    {
        ::prctl(PR_SET_TIMERSLACK, 1UL);
        std::vector<char> buffer(256 * 1024);
        std::vector<pollfd> fds;
        for (;;) {
            const qint64 now = nowNs();
            qint64 next = std::numeric_limits<qint64>::max();
            for (auto& link : m_links) {
                for (Way& way : link->ways) {
                    if (!release(way, now))
                        link->dead = true;
                    if (!way.queue.empty() && way.queue.front().arrived + m_holdNs > now)
                        next = qMin(next, way.queue.front().arrived + m_holdNs);
                    if (way.eof && way.queue.empty() && !way.shut && !link->dead) {
                        ::shutdown(way.to, SHUT_WR);
                        way.shut = true;
                    }
                }
            }
            std::erase_if(m_links, [](const std::unique_ptr<Link>& link) {
                if (!link->done())
                    return false;
                ::close(link->ways[0].from);
                ::close(link->ways[1].from);
                return true;
            });

            fds.assign({{m_wake[0], POLLIN, 0}, {m_listen, POLLIN, 0}});
            const std::size_t polled = m_links.size();
            for (auto& link : m_links) {
                for (int i = 0; i < 2; ++i) {
                    const Way& in = link->ways[i];
                    const Way& out = link->ways[1 - i]; // written to the same socket
                    short events = 0;
                    if (!in.eof && in.queued < MaxQueued)
                        events |= POLLIN;
                    if (!out.queue.empty() && out.queue.front().arrived + m_holdNs <= now)
                        events |= POLLOUT; // due but the socket was full
                    fds.push_back({in.from, events, 0});
                }
            }
            // Until bytes arrive or the first held ones are due.
            timespec wait{};
            const qint64 waitNs = next == std::numeric_limits<qint64>::max() ? -1 : next - now;
            wait.tv_sec = waitNs / 1'000'000'000;
            wait.tv_nsec = waitNs % 1'000'000'000;
            if (::ppoll(fds.data(), fds.size(), waitNs < 0 ? nullptr : &wait, nullptr) < 0 &&
                errno != EINTR)
                return;
            if (fds[0].revents != 0)
                return;
            for (std::size_t i = 0; i < polled; ++i) {
                Link& link = *m_links[i];
                for (int w = 0; w < 2; ++w) {
                    Way& way = link.ways[w];
                    const short revents = fds[2 + 2 * i + w].revents;
                    if ((revents & (POLLIN | POLLHUP | POLLERR)) && !way.eof && !link.dead &&
                        !take(way, buffer))
                        link.dead = true;
                }
            }
            if (fds[1].revents & POLLIN)
                accept();
        }
    }

    void accept()
    {
        const int client = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        const int server = connectLoopback(m_target);
        if (server < 0) {
            ::close(client);
            return;
        }
        prepare(client);
        prepare(server);
        auto link = std::make_unique<Link>();
        link->ways[0].from = client;
        link->ways[0].to = server;
        link->ways[1].from = server;
        link->ways[1].to = client;
        m_links.push_back(std::move(link));
    }

    // Reads what the socket has; false when the connection broke.
    bool take(Way& way, std::vector<char>& buffer)
    {
        const ssize_t n = ::read(way.from, buffer.data(), buffer.size());
        if (n > 0) {
            way.queue.push_back({nowNs(), QByteArray(buffer.data(), n)});
            way.queued += n;
            return true;
        }
        if (n == 0) {
            way.eof = true;
            return true;
        }
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }

    // Writes the chunks whose time has come; false when the connection broke.
    bool release(Way& way, qint64 now)
    {
        while (!way.queue.empty() && way.queue.front().arrived + m_holdNs <= now) {
            Chunk& chunk = way.queue.front();
            if (chunk.written == 0) {
                m_holdSumNs += now - chunk.arrived;
                ++m_chunks;
            }
            const ssize_t n = ::send(way.to, chunk.bytes.constData() + chunk.written,
                                     std::size_t(chunk.bytes.size() - chunk.written), MSG_NOSIGNAL);
            if (n < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            chunk.written += n;
            way.queued -= n;
            if (chunk.written < chunk.bytes.size())
                return true; // the socket is full: POLLOUT says when to go on
            way.queue.pop_front();
        }
        return true;
    }

    quint16 m_target;
    qint64 m_holdNs;
    quint16 m_port = 0;
    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    std::vector<std::unique_ptr<Link>> m_links;
    std::atomic<qint64> m_holdSumNs{0};
    std::atomic<qint64> m_chunks{0};
    std::thread m_thread;
};

struct PlainRun
{
    qint64 bytes = 0;
    double seconds = 0;
    double meanHoldUs = 0; // through the relay
};

// Reads exactly size bytes; false when the connection ends first.
bool readFully(int fd, char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::read(fd, data, std::size_t(size));
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool writeFully(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, std::size_t(size), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// count bytes from one plain socket to another, straight or through a relay, the
// receiver on a thread of its own dropping what it reads. Streamed: 64 KiB writes
// one after the other. Lock-step: the engine's conversation without the engine, a
// packet of 65 531 bytes at most, then a wait for the 4-byte answer. Both sockets
// keep the system's defaults, as the engine's do. Timed from the connect to the
// last byte read. Lock-step with a source and a target: the blocks are read from the
// one file and written to the other, as the engine does (the protocol's own limit).
PlainRun plainTransfer(qint64 count, bool throughRelay, bool lockStep, const QString& source = {},
                       const QString& target = {})
{
    const int in = source.isEmpty() ? -1 : ::open(QFile::encodeName(source).constData(), O_RDONLY);
    const int out = target.isEmpty() ? -1
                                     : ::open(QFile::encodeName(target).constData(),
                                              O_WRONLY | O_CREAT | O_TRUNC, 0600);
    PlainRun run;
    quint16 port = 0;
    const int server = listenLoopback(&port);
    if (server < 0)
        return run;
    std::optional<DelayRelay> relay;
    if (throughRelay)
        relay.emplace(port, HoldNs);
    std::atomic<qint64> got{0};
    std::thread reader([&] {
        const int fd = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        std::vector<char> buffer(MaxPacket);
        if (lockStep) {
            const QByteArray answer = FramePacket(AckPayload());
            quint8 length[2];
            while (readFully(fd, reinterpret_cast<char*>(length), 2)) {
                const int size = length[0] | length[1] << 8;
                if (!readFully(fd, buffer.data(), size) ||
                    (out >= 0 &&
                     ::write(out, buffer.data() + 2, std::size_t(size - 2)) != size - 2) ||
                    !writeFully(fd, answer.constData(), answer.size()))
                    break;
                got += size - 2;
            }
        } else {
            ssize_t n = 0;
            while ((n = ::read(fd, buffer.data(), PlainWrite)) > 0)
                got += n;
        }
        ::close(fd);
    });
    QByteArray packet;
    std::memset(PrepareDataPacket(packet, MaxBlock), 'x', MaxBlock);
    const qint64 start = nowNs();
    const int fd = connectLoopback(relay ? relay->port() : port);
    for (qint64 sent = 0; fd >= 0 && sent < count;) {
        if (lockStep) {
            const qint64 block = qMin<qint64>(MaxBlock, count - sent);
            char* data = PrepareDataPacket(packet, block);
            if (in >= 0 && ::read(in, data, std::size_t(block)) != block)
                break;
            char answer[4];
            if (!writeFully(fd, packet.constData(), packet.size()) || !readFully(fd, answer, 4))
                break;
            sent += block;
        } else {
            const ssize_t n =
                ::send(fd, packet.constData(), std::size_t(qMin<qint64>(PlainWrite, count - sent)),
                       MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += n;
        }
    }
    if (fd >= 0)
        ::shutdown(fd, SHUT_WR);
    else
        ::shutdown(server, SHUT_RDWR); // the reader waits in accept
    reader.join();
    run.seconds = double(nowNs() - start) / 1e9;
    run.bytes = got.load();
    if (relay)
        run.meanHoldUs = relay->meanHoldUs();
    if (fd >= 0)
        ::close(fd);
    ::close(server);
    for (const int file : {in, out})
        if (file >= 0)
            ::close(file);
    return run;
}

// The mean round trip of a 4-byte message and its 4-byte answer through a relay, in
// microseconds: what the relay really gives, the bytes of a block aside.
double relayRoundTripUs(int trips)
{
    quint16 port = 0;
    const int server = listenLoopback(&port);
    if (server < 0)
        return 0;
    DelayRelay relay(port, HoldNs);
    std::thread echo([&] {
        const int fd = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
        char bytes[4];
        while (fd >= 0 && readFully(fd, bytes, 4) && writeFully(fd, bytes, 4)) {
        }
        if (fd >= 0)
            ::close(fd);
    });
    const int fd = connectLoopback(relay.port());
    const qint64 start = nowNs();
    int done = 0;
    char bytes[4] = {1, 2, 3, 4};
    while (fd >= 0 && done < trips && writeFully(fd, bytes, 4) && readFully(fd, bytes, 4))
        ++done;
    const qint64 end = nowNs();
    if (fd >= 0)
        ::shutdown(fd, SHUT_WR);
    else
        ::shutdown(server, SHUT_RDWR);
    echo.join();
    if (fd >= 0)
        ::close(fd);
    ::close(server);
    return done > 0 ? double(end - start) / done / 1000.0 : 0.0;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

struct EngineRun
{
    QString sendStatus;
    QString receiveStatus;
    qint64 received = 0;
    double seconds = 0;
    double meanHoldUs = 0;
    qint64 rssMin = 0;
    qint64 rssMax = 0;
    int rssSamples = 0;
    qint64 longestStallMs = 0;
};

// Sends the file from one engine to another, each with its own queue as in the
// program, straight or through a relay. Timed from the queueing to the receiver's
// final report; the received file is removed afterwards.
EngineRun engineTransfer(const QString& source, const QString& incoming, bool throughRelay)
{
    EngineRun run;
    const auto loopback = [](const QString&) { return 0x7F000001u; };
    TransferEngine receiver(loopback, "windows-1251");
    FilesQueue receiving(receiver);
    ConnectQueue(receiver, receiving);
    receiver.setMyNick(QStringLiteral("receiver"));
    receiver.setIncomingDir(incoming);
    if (!receiver.listen(QHostAddress::LocalHost, 0))
        return run;
    std::optional<DelayRelay> relay;
    if (throughRelay) {
        relay.emplace(receiver.listenPort(), HoldNs);
        if (!relay->running())
            return run;
    }
    TransferEngine sender(loopback, "windows-1251");
    FilesQueue sending(sender);
    ConnectQueue(sender, sending);
    sender.setMyNick(QStringLiteral("sender"));
    sender.setPeerPort(relay ? relay->port() : receiver.listenPort());

    QEventLoop loop;
    QElapsedTimer clock;
    qint64 endNs = 0;
    std::optional<TransferInfo> sent;
    std::optional<TransferInfo> received;
    const auto finished = [&] {
        if (sent && received)
            loop.quit();
    };
    QObject::connect(&sender, &TransferEngine::transferChanged,
                     [&](Direction d, const TransferInfo& info, int) {
                         if (d == Direction::Send && IsFinalState(info.state)) {
                             sent = info;
                             finished();
                         }
                     });
    QObject::connect(&receiver, &TransferEngine::transferChanged,
                     [&](Direction d, const TransferInfo& info, int) {
                         if (d == Direction::Receive && IsFinalState(info.state)) {
                             endNs = nowNs();
                             received = info;
                             finished();
                         }
                     });

    // The main thread's event loop: the longest gap between the ticks of a 5 ms timer.
    qint64 lastTick = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        run.longestStallMs = qMax(run.longestStallMs, now - lastTick);
        lastTick = now;
    });
    // Resident memory, sampled off the main thread so that a stall there cannot hide
    // a peak.
    std::atomic<bool> sampling{true};
    run.rssMin = std::numeric_limits<qint64>::max();
    std::thread sampler([&] {
        while (sampling) {
            const qint64 rss = residentBytes();
            run.rssMin = qMin(run.rssMin, rss);
            run.rssMax = qMax(run.rssMax, rss);
            ++run.rssSamples;
            std::this_thread::sleep_for(100ms);
        }
    });
    QTimer::singleShot(30min, &loop, &QEventLoop::quit);

    clock.start();
    const qint64 startNs = nowNs();
    probe.start();
    sending.addFiles({source}, {QStringLiteral("receiver")});
    loop.exec();
    probe.stop();
    sampling = false;
    sampler.join();

    run.seconds = double((endNs ? endNs : nowNs()) - startNs) / 1e9;
    run.sendStatus = sent ? StatusText(*sent) : QStringLiteral("unfinished");
    run.receiveStatus = received ? StatusText(*received) : QStringLiteral("unfinished");
    if (received && received->state == ReceiveOk) {
        QFile file(received->fileName);
        run.received = file.size();
        file.remove();
    }
    if (relay)
        run.meanHoldUs = relay->meanHoldUs();
    return run;
}

void printPlain(const char* what, const PlainRun& run)
{
    std::printf("%-28s %10lld bytes in %7.3f s, %7.1f MB/s", what,
                static_cast<long long>(run.bytes), run.seconds,
                megabytesPerSecond(run.bytes, run.seconds));
    if (run.meanHoldUs > 0)
        std::printf(", bytes held %.0f us on average", run.meanHoldUs);
    std::printf("\n");
}

void printEngine(const char* what, const EngineRun& run)
{
    std::printf("%-28s %10lld bytes in %7.3f s, %7.1f MB/s (%s / %s)", what,
                static_cast<long long>(run.received), run.seconds,
                megabytesPerSecond(run.received, run.seconds), qPrintable(run.sendStatus),
                qPrintable(run.receiveStatus));
    if (run.meanHoldUs > 0)
        std::printf(", bytes held %.0f us on average", run.meanHoldUs);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::printf("no temporary directory\n");
        return 1;
    }
    const QString incoming = dir.filePath(QStringLiteral("in")) + u'/';
    QDir().mkpath(incoming);
    // Room for the two sources and the largest received copy.
    qint64 size = 1024 * MiB;
    const qint64 room = QStorageInfo(dir.path()).bytesAvailable();
    const bool reduced = room < 2 * size + 512 * MiB;
    if (reduced)
        size = 256 * MiB;
    const qint64 relaySize = qMin<qint64>(size, 256 * MiB);
    // Written out rather than sparse, so the engine reads file pages from the cache
    // as it would for a file just saved, not zeros the file system makes up.
    const auto makeSource = [&](const QString& name, qint64 bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        QByteArray chunk(int(MiB), Qt::Uninitialized);
        for (int i = 0; i < chunk.size(); ++i)
            chunk[i] = char((i * 7 + i / 251) & 0xFF);
        for (qint64 written = 0; written < bytes; written += chunk.size())
            if (file.write(chunk.constData(), qMin<qint64>(chunk.size(), bytes - written)) <= 0)
                return QString();
        return file.fileName();
    };
    const QString big = makeSource(QStringLiteral("loopback.bin"), size);
    const QString small = makeSource(QStringLiteral("relay.bin"), relaySize);
    if (big.isEmpty() || small.isEmpty()) {
        std::printf("cannot create the source files in %s\n", qPrintable(dir.path()));
        return 1;
    }
    std::printf("file: %lld bytes (%lld MiB) in %s%s\n", static_cast<long long>(size),
                static_cast<long long>(size / MiB), qPrintable(dir.path()),
                reduced ? " -- too little room there for 1 GiB, so 256 MiB" : "");

    const PlainRun plain = plainTransfer(size, false, false);
    const PlainRun plainSteps = plainTransfer(size, false, true);
    const QString plainCopy = dir.filePath(QStringLiteral("plain-copy.bin"));
    const PlainRun plainFiles = plainTransfer(size, false, true, big, plainCopy);
    QFile::remove(plainCopy);
    const EngineRun engine = engineTransfer(big, incoming, false);
    printPlain("loopback, plain streamed:", plain);
    printPlain("loopback, plain lock-step:", plainSteps);
    printPlain("loopback, plain lock-step with the files:", plainFiles);
    printEngine("loopback, engine:", engine);
    const double plainRate = megabytesPerSecond(plain.bytes, plain.seconds);
    const double engineRate = megabytesPerSecond(engine.received, engine.seconds);
    std::printf("loopback, engine / plain streamed: %.2f (goal >= 0.50), / plain lock-step: "
                "%.2f\n",
                plainRate > 0 ? engineRate / plainRate : 0.0,
                plainSteps.bytes > 0
                    ? engineRate / megabytesPerSecond(plainSteps.bytes, plainSteps.seconds)
                    : 0.0);
    std::printf("loopback, engine / plain lock-step with the files: %.2f (goal >= 0.90)\n",
                plainFiles.bytes > 0
                    ? engineRate / megabytesPerSecond(plainFiles.bytes, plainFiles.seconds)
                    : 0.0);
    std::printf("memory during the engine run: RSS min %.1f MB, max %.1f MB (%d samples)\n",
                double(engine.rssMin) / 1e6, double(engine.rssMax) / 1e6, engine.rssSamples);
    std::printf("event loop during the engine run: longest stall %lld ms (goal < 50 ms)\n",
                static_cast<long long>(engine.longestStallMs));

    std::printf("relay: %.1f ms each way, a %.1f ms round trip; %lld bytes (%lld MiB)%s\n",
                double(HoldNs) / 1e6, 2 * double(HoldNs) / 1e6, static_cast<long long>(relaySize),
                static_cast<long long>(relaySize / MiB),
                relaySize < size ? ", a smaller file to keep the run short" : "");
    std::printf("relay, a 4-byte message and its answer: %.0f us on average\n",
                relayRoundTripUs(1000));
    const PlainRun plainRelay = plainTransfer(relaySize, true, false);
    const PlainRun plainRelaySteps = plainTransfer(relaySize, true, true);
    const PlainRun plainRelayFiles = plainTransfer(relaySize, true, true, small, plainCopy);
    QFile::remove(plainCopy);
    const EngineRun engineRelay = engineTransfer(small, incoming, true);
    printPlain("relay, plain streamed:", plainRelay);
    printPlain("relay, plain lock-step:", plainRelaySteps);
    printPlain("relay, plain lock-step with the files:", plainRelayFiles);
    printEngine("relay, engine:", engineRelay);
    const double limit = MaxBlock / (2 * double(HoldNs) / 1e9) / 1e6;
    const double relayRate = megabytesPerSecond(engineRelay.received, engineRelay.seconds);
    std::printf("relay, engine / one block per round trip (%.1f MB/s): %.2f (goal >= 0.90); "
                "plain lock-step / the same: %.2f\n",
                limit, relayRate / limit,
                megabytesPerSecond(plainRelaySteps.bytes, plainRelaySteps.seconds) / limit);
    std::printf("relay, engine / plain lock-step with the files: %.2f (goal >= 0.90)\n",
                plainRelayFiles.bytes > 0
                    ? relayRate / megabytesPerSecond(plainRelayFiles.bytes, plainRelayFiles.seconds)
                    : 0.0);
    return 0;
}
