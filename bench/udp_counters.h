#pragma once

// What the kernel counts of this machine's UDP traffic, for the benchmarks.

#include <QFile>
#include <QList>

namespace quorvelle::bench {

// The kernel's count of UDP datagrams dropped for a full receive buffer, for this
// network namespace (every process in it counts).
inline qint64 ReceiveBufferErrors()
{
    QFile snmp(QStringLiteral("/proc/net/snmp"));
    if (!snmp.open(QIODevice::ReadOnly))
        return -1;
    // A file of /proc reports size 0, so atEnd() cannot be trusted: read it whole.
    QList<QByteArray> names;
    for (const QByteArray& line : snmp.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.value(0) != "Udp:")
            continue;
        if (names.isEmpty()) {
            names = fields;
            continue;
        }
        const qsizetype at = names.indexOf("RcvbufErrors");
        return at > 0 ? fields.value(at).toLongLong() : -1;
    }
    return -1;
}

} // namespace quorvelle::bench
