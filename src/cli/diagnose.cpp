#include "cli/diagnose.h"

#include "net/net_probe.h"
#include "net/packets.h"
#include "net/transport.h"
#include "net/wire_text.h"
#include "transfer/transfer_engine.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTextStream>

namespace quorvelle::cli {

namespace {

net::PortState ProbeFilePort(quint16 port, bool programRunning)
{
    QTcpServer server;
    if (server.listen(QHostAddress::AnyIPv4, port))
        return {port, true, false, {}};
    const bool inUse = server.serverError() == QAbstractSocket::AddressInUseError;
    // The running program is the one listening there.
    if (inUse && programRunning)
        return {port, true, false, {}};
    return {port, false, inUse, server.errorString()};
}

} // namespace

int RunDiagnose(const DiagnoseOptions& options, QTextStream& out)
{
    net::DatagramSeq seq = net::DatagramSeq::random();
    net::UdpTransport transport(seq);
    net::WireText text(options.codepage);
    const net::Packets packets(text);
    net::NetProbe probe(transport, text);
    transport.setEveryInterface(options.everyInterface);
    transport.LoadBroadcastAddrs(options.broadcast);

    // Two sockets on one port would share the datagrams sent to this computer:
    // the running program would lose its messages to the test.
    if (!options.programRunning && transport.OpenSockets(options.port)) {
        QEventLoop loop;
        QObject::connect(&probe, &net::NetProbe::finished, &loop, &QEventLoop::quit);
        probe.start(packets.WhoIsThere(options.nick, presence::Status::Offline), options.nick);
        loop.exec();
    }
    net::DiagnosticFacts facts = probe.facts();
    facts.nick = options.nick;
    facts.files = ProbeFilePort(transfer::FilePortFor(options.port), options.programRunning);
    if (options.programRunning) {
        facts.heldByProgram = true;
        facts.udp = {options.port, true, false, {}};
    }
    out << net::Diagnostics::report(facts);
    out.flush();
    return facts.answers.isEmpty() ? 1 : 0;
}

} // namespace quorvelle::cli
