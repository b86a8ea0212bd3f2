#include "net/net_probe.h"

#include "net/codec.h"
#include "net/packets.h"
#include "net/transport.h"

namespace quorvelle::net {

NetProbe::NetProbe(UdpTransport& transport, const WireText& text, QObject* parent)
    : QObject(parent), m_transport(transport), m_text(text)
{
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &NetProbe::finished);
    connect(&transport, &UdpTransport::datagramReceived, this, &NetProbe::observe);
}

void NetProbe::start(const QByteArray& question, const QString& myNick, int waitMs)
{
    m_question = question;
    m_myNick = myNick;
    m_echoes.clear();
    m_answers.clear();
    m_answered.clear();
    m_probed = true;
    m_wait.setInterval(waitMs);
    m_clock.start();
    m_wait.start();
    m_transport.SendBroadcast(question);
}

void NetProbe::observe(const QByteArray& datagram, quint32 source)
{
    if (!running())
        return;
    const std::optional<DecodedDatagram> decoded = DecodeDatagram(datagram);
    if (!decoded)
        return;
    if (decoded->packet == m_question.first(qMin(m_question.size(), MaxPacketSize))) {
        // One copy per interface comes back; a replay from anywhere else is bounded.
        if (m_echoes.size() < 64 && !m_echoes.contains(source))
            m_echoes.append(source);
        return;
    }
    const ReceivedPacket packet(decoded->packet, m_text);
    if (packet.command() != '!' || packet.nick() == m_myNick)
        return;
    // A flood of made-up nicks costs a bounded list, not the window's time.
    if (m_answers.size() < MaxAnswers && !m_answered.contains(packet.nick())) {
        m_answered.insert(packet.nick());
        m_answers.append({packet.nick(), source, m_clock.elapsed()});
    }
}

DiagnosticFacts NetProbe::facts() const
{
    DiagnosticFacts f;
    f.when = QDateTime::currentDateTime();
    f.nick = m_myNick;
    f.interfaces = m_transport.interfaces();
    f.table = m_transport.broadcastAddrs();
    f.everyInterface = m_transport.everyInterface();
    f.udp = {m_transport.isOpen() ? m_transport.boundPort() : m_transport.sendPort(),
             m_transport.isOpen(), m_transport.bindInUse(), m_transport.bindError()};
    f.probed = m_probed;
    f.waitMs = m_wait.interval();
    f.echoes = m_echoes;
    f.answers = m_answers;
    f.bufferAsked = m_transport.wantedReceiveBuffer();
    f.bufferGranted = m_transport.receiveBufferSize();
    f.systemDrops = m_transport.systemDrops();
    f.programDrops = m_transport.droppedDatagrams();
    return f;
}

} // namespace quorvelle::net
