// quorvelle-crowd: a crowd of peers in one process, for the LAN tests. It waits for
// one "?" (a refresh of the users list) and answers it as a thousand peers would,
// each "!" straight back to the asker, as fast as it can; then it exits.
//
// Prints "ready" once it listens and "answered N to ADDRESS" when done; exits 1
// when no question came within the wait.
//
// With --stranger ADDRESS it is instead a sender nobody knows: it sends a #Main
// line every 200 ms to ADDRESS for the wait, never answers, and prints
// "asked N" for the "?" that reached it.

#include "net/codec.h"
#include "net/packets.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <cstdio>

using namespace quorvelle;
using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Answers one refresh (\"?\") with COUNT \"!\" answers from crowd0, crowd1, ..."_s);
    parser.addHelpOption();
    const QCommandLineOption portOption(u"port"_s, u"UDP port of the net."_s, u"port"_s);
    const QCommandLineOption addressOption(u"address"_s,
                                           u"Local address to listen on (default: every one)."_s,
                                           u"address"_s, u"0.0.0.0"_s);
    const QCommandLineOption countOption(u"count"_s, u"Peers in the crowd."_s, u"n"_s, u"1000"_s);
    const QCommandLineOption waitOption(u"wait-seconds"_s, u"Give up after this long."_s,
                                        u"seconds"_s, u"60"_s);
    const QCommandLineOption strangerOption(
        u"stranger"_s, u"Send lines as a stranger to this address; answer nothing."_s,
        u"address"_s);
    parser.addOptions({portOption, addressOption, countOption, waitOption, strangerOption});
    parser.process(app);
    const quint16 port = quint16(parser.value(portOption).toUInt());
    const int count = parser.value(countOption).toInt();
    if (port == 0 || count < 0) {
        std::fprintf(stderr, "quorvelle-crowd: --port and a --count of 0 or more are needed\n");
        return 2;
    }

    net::WireText text;
    net::Packets packets(text);
    // One sequence for the crowd: every answer differs, so no duplicate filter drops one.
    net::DatagramSeq seq = net::DatagramSeq::random();
    QList<QByteArray> answers;
    answers.reserve(count);
    for (int i = 0; i < count; ++i)
        answers.append(net::FrameDatagram(
            packets.HereIAm(u"crowd%1"_s.arg(i), presence::Status::Normal), seq));

    QUdpSocket listener;
    if (!listener.bind(QHostAddress(parser.value(addressOption)), port,
                       QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        std::fprintf(stderr, "quorvelle-crowd: cannot bind port %u\n", unsigned(port));
        return 2;
    }
    QUdpSocket sender;

    if (parser.isSet(strangerOption)) {
        const QHostAddress target(parser.value(strangerOption));
        int asked = 0;
        QObject::connect(&listener, &QUdpSocket::readyRead, &app, [&] {
            while (listener.hasPendingDatagrams()) {
                const auto decoded = net::DecodeDatagram(listener.receiveDatagram().data());
                asked += decoded && net::ReceivedPacket(decoded->packet, text).command() == '?';
            }
        });
        QTimer lines;
        int sent = 0;
        QObject::connect(&lines, &QTimer::timeout, &app, [&] {
            sender.writeDatagram(
                net::FrameDatagram(
                    packets.ChatLine(u"Stranger"_s, u"#Main"_s, u"line %1"_s.arg(++sent)), seq),
                target, port);
        });
        lines.start(200);
        QTimer::singleShot(parser.value(waitOption).toInt() * 1000, &app, [&] {
            std::printf("asked %d\n", asked);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return app.exec();
    }

    QObject::connect(&listener, &QUdpSocket::readyRead, &app, [&] {
        while (listener.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = listener.receiveDatagram();
            const auto decoded = net::DecodeDatagram(datagram.data());
            if (!decoded || net::ReceivedPacket(decoded->packet, text).command() != '?')
                continue;
            const QHostAddress asker(datagram.senderAddress().toIPv4Address());
            // A full send buffer is the sender's problem, not the net's: wait and go on.
            int retries = 0;
            for (const QByteArray& answer : std::as_const(answers)) {
                while (sender.writeDatagram(answer, asker, port) < 0 && retries < 100000) {
                    ++retries;
                    QThread::usleep(50);
                }
            }
            std::printf("answered %d to %s (%d retries)\n", count, qPrintable(asker.toString()),
                        retries);
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
    });
    QTimer::singleShot(parser.value(waitOption).toInt() * 1000, &app, [] {
        std::printf("no question came\n");
        std::fflush(stdout);
        QCoreApplication::exit(1);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
