#pragma once

// What can be found out about this computer's place on the net, and what it most
// likely means when nobody answers, in plain words. The facts are gathered by the
// caller (a running session, or the command line's own sockets) and a test "?"
// (net/net_probe.h); the report is plain text, to be copied into a bug report.

#include "net/network_interfaces.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quorvelle::net {

struct PortState
{
    quint16 port = 0;
    bool bound = false;
    bool inUse = false; // another program holds it
    QString error;      // the system's words, when not bound
};

struct ProbeAnswer
{
    QString nick;
    quint32 address = 0;
    qint64 ms = 0;
};

struct DiagnosticFacts
{
    QDateTime when;
    QString nick;
    QList<InterfaceAddress> interfaces;
    QList<quint32> table; // the broadcast addresses
    bool everyInterface = true;
    PortState udp;
    PortState files;
    // The desktop program runs here and holds the ports: only it can test them.
    bool heldByProgram = false;
    // The test "?": whether it was sent, how long answers were awaited, the
    // addresses its own copies came back from, and who else answered.
    bool probed = false;
    int waitMs = 3000;
    QList<quint32> echoes;
    QList<ProbeAnswer> answers;
    int bufferAsked = 0;
    int bufferGranted = 0;
    std::optional<quint64> systemDrops;
    quint64 programDrops = 0;
};

class Diagnostics
{
    Q_DECLARE_TR_FUNCTIONS(Diagnostics)

public:
    // The likely causes of trouble, most telling first; when all is well, one
    // line that says so.
    static QStringList findings(const DiagnosticFacts& facts);
    // Everything, as text.
    static QString report(const DiagnosticFacts& facts);

private:
    static QString portLine(const QString& label, const PortState& port, const QString& fine);
};

} // namespace quorvelle::net
