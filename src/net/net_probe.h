#pragma once

// A test "?" to the net: sent through the broadcast table like a refresh (the
// users list is kept), then for a few seconds every copy of it that comes back and
// every other peer's "!" is noted, with the time it took.

#include "net/diagnostics.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimer>

namespace quorvelle::net {

class UdpTransport;
class WireText;

class NetProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxAnswers = 5000;

    NetProbe(UdpTransport& transport, const WireText& text, QObject* parent = nullptr);

    // question is the "?" packet of myNick; an earlier run's results are dropped.
    void start(const QByteArray& question, const QString& myNick, int waitMs = 3000);
    bool running() const { return m_wait.isActive(); }

    // What the transport tells of the sockets and the interfaces, and what the
    // last run found; the caller adds the file port and who asked.
    DiagnosticFacts facts() const;

signals:
    void finished();

private:
    void observe(const QByteArray& datagram, quint32 source);

    UdpTransport& m_transport;
    const WireText& m_text;
    QByteArray m_question;
    QString m_myNick;
    QElapsedTimer m_clock;
    QTimer m_wait;
    bool m_probed = false;
    QList<quint32> m_echoes;
    QList<ProbeAnswer> m_answers;
    QSet<QString> m_answered; // the nicks of m_answers
};

} // namespace quorvelle::net
