#include "net/diagnostics.h"

#include "net/ipv4_text.h"
#include "net/transport.h"

#include <algorithm>
#include <climits>

namespace quorvelle::net {

using namespace Qt::Literals::StringLiterals;

namespace {

bool Usable(const InterfaceAddress& a)
{
    return a.up && !a.loopback;
}

QString Network(const InterfaceAddress& a)
{
    return u"%1/%2"_s.arg(IpToText(a.address)).arg(a.prefixLength);
}

// Whether the table's broadcasts go out on this interface.
bool Reached(const DiagnosticFacts& f, const InterfaceAddress& a)
{
    if (f.table.contains(a.broadcast))
        return true;
    return f.everyInterface && a.canBroadcast && f.table.contains(UdpTransport::LimitedBroadcast);
}

QString Seconds(int ms)
{
    return QString::number(ms / 1000.0, 'g', 3);
}

} // namespace

QString Diagnostics::portLine(const QString& label, const PortState& p, const QString& fine)
{
    QString state = fine;
    if (!p.bound)
        state = p.inUse ? tr("in use by another program") : tr("not open (%1)").arg(p.error);
    return u"%1 %2: %3"_s.arg(label).arg(p.port).arg(state);
}

QStringList Diagnostics::findings(const DiagnosticFacts& f)
{
    QStringList found;
    if (f.heldByProgram)
        return {tr("Quorvelle runs on this computer and holds UDP port %1: its Network "
                   "Diagnostics (Configuration menu) tests the net through its own sockets.")
                    .arg(f.udp.port)};
    if (!f.udp.bound) {
        found
            << (f.udp.inUse
                    ? tr("UDP port %1 is in use by another program: this computer "
                         "cannot hear the net. Close that program, or choose another "
                         "port in UDP Connection (every peer must use the same).")
                          .arg(f.udp.port)
                    : tr("UDP port %1 could not be opened: %2.").arg(f.udp.port).arg(f.udp.error));
    }
    const bool anyUp = std::any_of(f.interfaces.begin(), f.interfaces.end(), Usable);
    if (!anyUp)
        found << tr("No network interface is up: connect a cable or join a network.");
    if (f.udp.bound && f.probed) {
        const bool anyReached =
            std::any_of(f.interfaces.begin(), f.interfaces.end(),
                        [&](const InterfaceAddress& a) { return Usable(a) && Reached(f, a); });
        if (f.echoes.isEmpty() && anyReached)
            found << tr("The test broadcast did not come back: the firewall of this computer "
                        "may be blocking UDP port %1, or no route leads to the broadcast "
                        "addresses.")
                         .arg(f.udp.port);
        for (const InterfaceAddress& a : f.interfaces) {
            // A tunnel without broadcasts is not asked, so its silence says nothing.
            if (!Usable(a) || !a.canBroadcast || a.broadcast == 0)
                continue;
            const bool answered =
                std::any_of(f.answers.begin(), f.answers.end(),
                            [&](const ProbeAnswer& answer) { return InSubnet(a, answer.address); });
            if (answered)
                continue;
            if (!Reached(f, a))
                found << tr("Nothing is broadcast on %1 (%2): turn on \"Broadcast on every "
                            "network interface\" in UDP Connection, or add %3 to its "
                            "addresses.")
                             .arg(a.name, Network(a), IpToText(a.broadcast));
            else
                found << tr("Nobody answered on %1 (%2) in %3 s. A firewall may be blocking "
                            "UDP port %4.")
                             .arg(a.name, Network(a), Seconds(f.waitMs))
                             .arg(f.udp.port);
        }
    }
    if (!f.files.bound)
        found << (f.files.inUse ? tr("File port %1 is in use by another program: files sent "
                                     "to you cannot arrive.")
                                      .arg(f.files.port)
                                : tr("File port %1 could not be opened: %2.")
                                      .arg(f.files.port)
                                      .arg(f.files.error));
    if (f.systemDrops.value_or(0) > 0)
        found << tr("The system dropped %n datagram(s) for a full receive buffer. On Linux, "
                    "raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).",
                    nullptr, int(qMin<quint64>(*f.systemDrops, INT_MAX)));
    if (found.isEmpty())
        found << (f.probed
                      ? tr("The net works: %n peer(s) answered.", nullptr, int(f.answers.size()))
                      : tr("No problem found."));
    return found;
}

QString Diagnostics::report(const DiagnosticFacts& f)
{
    QStringList out;
    out << tr("Network diagnostics, %1").arg(f.when.toString(u"dd.MM.yyyy HH:mm:ss"_s));
    if (!f.nick.isEmpty())
        out << tr("Nick: %1").arg(f.nick);
    out << QString() << tr("Interfaces:");
    for (const InterfaceAddress& a : f.interfaces) {
        QString state = a.loopback ? tr("loopback") : a.up ? tr("up") : tr("down");
        if (a.broadcast != 0)
            state = tr("broadcast %1, %2").arg(IpToText(a.broadcast), state);
        out << u"  %1  %2  %3"_s.arg(a.name, -10).arg(Network(a), -18).arg(state);
    }
    QStringList table;
    for (quint32 address : f.table)
        table << IpToText(address);
    out << tr("Broadcast addresses: %1").arg(table.join(u", "_s));
    if (f.table.contains(UdpTransport::LimitedBroadcast))
        out << (f.everyInterface ? tr("  255.255.255.255 is sent on every interface")
                                 : tr("  255.255.255.255 leaves by the default route only"));
    const QString held = tr("held by the running Quorvelle");
    out << portLine(tr("UDP port"), f.udp, f.heldByProgram ? held : tr("open"))
        << portLine(tr("File port"), f.files, f.heldByProgram ? held : tr("listening"));
    if (f.udp.bound && !f.heldByProgram)
        out << tr("Receive buffer: asked for %1 bytes, granted %2; dropped by the system: %3, "
                  "by the program: %4")
                   .arg(f.bufferAsked)
                   .arg(f.bufferGranted)
                   .arg(f.systemDrops ? QString::number(*f.systemDrops) : tr("not known"))
                   .arg(f.programDrops);

    if (f.probed) {
        out << QString()
            << tr("Test \"?\" to the net, answers awaited %1 s:").arg(Seconds(f.waitMs));
        QStringList echoes;
        for (quint32 source : f.echoes) {
            const InterfaceAddress* a = InterfaceFor(f.interfaces, source);
            echoes << (a ? u"%1 (%2)"_s.arg(a->name, IpToText(source)) : IpToText(source));
        }
        out << (echoes.isEmpty() ? tr("  it did not come back")
                                 : tr("  it came back by %1").arg(echoes.join(u", "_s)));
        if (f.answers.isEmpty())
            out << tr("  nobody answered");
        for (const ProbeAnswer& answer : f.answers) {
            const InterfaceAddress* a = InterfaceFor(f.interfaces, answer.address);
            out << tr("  %1 answered from %2 by %3 in %4 ms")
                       .arg(answer.nick, IpToText(answer.address), a ? a->name : tr("a router"))
                       .arg(answer.ms);
        }
    }
    out << QString() << tr("Findings:");
    for (const QString& finding : findings(f))
        out << u"  - "_s + finding;
    return out.join(u'\n') + u'\n';
}

} // namespace quorvelle::net
