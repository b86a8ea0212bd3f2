// How the main window copes with a flood of chat lines from the net: another
// socket on loopback sends 1 000 lines per second for five seconds while a timer
// measures how long the event loop is kept from running. Prints the numbers.
#include "chat/conversation_set.h"
#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "loopback_window.h"
#include "net/codec.h"
#include "net/packets.h"
#include "shell/main_window.h"
#include "shell/window_presence.h"
#include "udp_counters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <cstdio>

using namespace quorvelle;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::LoopbackWindow loopback;
    if (!loopback.start())
        return 1;
    shell::TMainFm& window = *loopback.window;
    const quint16 port = loopback.port;

    net::WireText text("windows-1251");
    net::Packets packets(text);
    net::DatagramSeq seq(7);
    QUdpSocket sender;
    // The flooder must be known to the receiver first.
    sender.writeDatagram(
        net::FrameDatagram(packets.HereIAm(QStringLiteral("Flood"), presence::Status::Normal), seq),
        QHostAddress::LocalHost, port);

    constexpr int perSecond = 1000;
    constexpr int seconds = 5;
    int sent = 0;
    QElapsedTimer clock;
    clock.start();
    QTimer pump;
    pump.setInterval(10);
    QObject::connect(&pump, &QTimer::timeout, [&] {
        const qint64 due = clock.elapsed() * perSecond / 1000;
        for (; sent < due && sent < perSecond * seconds; ++sent)
            sender.writeDatagram(
                net::FrameDatagram(
                    packets.ChatLine(QStringLiteral("Flood"), net::MainConversation,
                                     (sent % 2 ? QStringLiteral("line %1 of a steady "
                                                                "flood of chat text")
                                               : QStringLiteral("line %1: ^Ок!^ #|Эй|#"
                                                                " :?: _|П|_ :) :D"))
                                         .arg(sent)),
                    seq),
                QHostAddress::LocalHost, port);
    });

    qint64 worstGap = 0;
    qint64 gapsOver50 = 0;
    qint64 last = 0;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        const qint64 gap = now - last;
        last = now;
        worstGap = qMax(worstGap, gap);
        if (gap > 50)
            ++gapsOver50;
    });

    const qint64 dropsBefore = bench::ReceiveBufferErrors();
    pump.start();
    probe.start();
    // The window refuses a plain quit (closing only hides or minimises it): the
    // program ends as it does for the user, by its exit sequence.
    QObject::connect(&window, &shell::TMainFm::exited, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    QTimer::singleShot((seconds + 1) * 1000, &window, [&window] { window.Exit1Click(); });
    app.exec();

    const auto* view = window.tabs().view(0);
    const int shown = view ? view->document()->blockCount() : 0;
    std::printf("flood: %d lines sent at %d/s, %d blocks in #Main\n", sent, perSecond, shown);
    std::printf("kernel: %lld datagrams dropped for a full receive buffer\n",
                static_cast<long long>(bench::ReceiveBufferErrors() - dropsBefore));
    std::printf("event loop: longest stall %lld ms, stalls over 50 ms: %lld\n",
                static_cast<long long>(worstGap), static_cast<long long>(gapsOver50));
    window.Exit1Click();
    return 0;
}
