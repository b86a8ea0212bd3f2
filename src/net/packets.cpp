#include "net/packets.h"

#include "net/codec.h"

namespace quorvelle::net {

using namespace Qt::Literals::StringLiterals;

QString SubjectTimeSortKey(const QString& time)
{
    // "[dd.mm.yyyy - hh:mm:ss]" -> "[yyyy.mm.dd - hh:mm:ss]"
    return time.mid(0, 1) + time.mid(7, 4) + u'.' + time.mid(4, 2) + u'.' + time.mid(1, 2) +
           time.mid(11, 12);
}

ReceivedPacket::ReceivedPacket(QByteArrayView packet, const WireText& text)
    : m_text(text), m_command(packet.size() > 1 ? packet[1] : '\0'), m_tail(RestFields(packet)),
      m_nick(text.decode(FirstField(packet)))
{}

QByteArrayView ReceivedPacket::skip(int fields) const
{
    QByteArrayView rest = m_tail;
    for (int i = 0; i < fields; ++i)
        rest = RestFields(rest);
    return rest;
}

QString ReceivedPacket::tail() const
{
    return m_text.decode(m_tail);
}

QString ReceivedPacket::field(int n) const
{
    return m_text.decode(FirstField(skip(n)));
}

QString ReceivedPacket::after(int n) const
{
    return m_text.decode(skip(n + 1));
}

FieldAndRest ReadFieldAndRest(const ReceivedPacket& p)
{
    return {p.field(0), p.after(0)};
}

SubjectReply ReadSubjectReply(const ReceivedPacket& p)
{
    return {p.field(0), p.field(1), p.after(1)};
}

InfoRequest ReadInfoRequest(const ReceivedPacket& p)
{
    // The window field starts with a marker byte that FirstField skips.
    return {p.field(0), p.field(1), p.after(1)};
}

InfoAnswer ReadInfoAnswer(const ReceivedPacket& p)
{
    return {p.field(0), p.field(1),
            InfoReply{p.nick(), p.field(2), p.field(3), p.field(4), p.field(5), p.field(6),
                      p.field(7), p.after(7)}};
}

QStringList ReadChannelList(const ReceivedPacket& p)
{
    QStringList channels;
    for (QByteArrayView rest = p.tailBytes(); !rest.isEmpty(); rest = RestFields(rest)) {
        const QString name = p.text().decode(FirstField(rest));
        if (!name.isEmpty() && !channels.contains(name))
            channels.append(name);
    }
    return channels;
}

QByteArray Packets::form(char command, std::initializer_list<QString> fields) const
{
    QByteArray packet;
    packet.reserve(64);
    const char marker[] = {'/', '/', command};
    qsizetype i = 0;
    const qsizetype last = qsizetype(fields.size()) - 1;
    for (const QString& field : fields) {
        if (i == 0)
            packet.append(marker + 1, 2); // "/" + command
        else if (i == last)
            packet.append('/');
        else
            packet.append(marker, 3); // "//" + command
        packet.append(m_text.encode(field));
        ++i;
    }
    return packet;
}

QByteArray Packets::JoinNet(const QString& nick, presence::Status status) const
{
    return form('@', {nick, QString(presence::StatusChar(status))});
}

QByteArray Packets::LeaveNet(const QString& nick) const
{
    return form('$', {nick, QString()});
}

QByteArray Packets::WhoIsThere(const QString& nick, presence::Status status) const
{
    return form('?', {nick, QString(presence::StatusChar(status))});
}

QByteArray Packets::HereIAm(const QString& nick, presence::Status status) const
{
    return form('!', {nick, QString(presence::StatusChar(status))});
}

QByteArray Packets::JoinChannel(const QString& nick, const QString& channel) const
{
    return form('1', {nick, channel});
}

QByteArray Packets::LeaveChannel(const QString& nick, const QString& channel) const
{
    return form('2', {nick, channel});
}

QByteArray Packets::JoinChat(const QString& nick, const QString& peer) const
{
    return form('>', {nick, peer});
}

QByteArray Packets::LeaveChat(const QString& nick, const QString& peer) const
{
    return form('<', {nick, peer});
}

QByteArray Packets::ChatLine(const QString& nick, const QString& conversation,
                             const QString& text) const
{
    return form('#', {nick, conversation, text});
}

QByteArray Packets::SetSubject(const QString& nick, const QString& subject) const
{
    return form('^', {nick, subject + u" ("_s + nick + u") "_s});
}

QByteArray Packets::AskSubject(const QString& nick) const
{
    return form('s', {nick, QString()});
}

QByteArray Packets::TellSubject(const QString& nick, const QString& author, const QString& time,
                                const QString& subject) const
{
    return form('S', {nick, author, time, subject});
}

QByteArray Packets::ChangeNick(const QString& nick, const QString& newNick,
                               presence::Status status) const
{
    return form('&', {nick, newNick, QString(presence::StatusChar(status))});
}

QByteArray Packets::ChangeStatus(const QString& nick, presence::Status status) const
{
    return form('_', {nick, QString(presence::StatusChar(status))});
}

QByteArray Packets::Message(const QString& nick, const QString& recipient,
                            const QString& text) const
{
    return form('%', {nick, recipient, text});
}

QByteArray Packets::MassMessage(const QString& nick, const QString& text) const
{
    return form('*', {nick, text});
}

QByteArray Packets::MessageReceived(const QString& nick, const QString& sender,
                                    presence::Status status) const
{
    return form('M', {nick, sender, QString(presence::StatusChar(status))});
}

QByteArray Packets::Beep(const QString& nick, const QString& target) const
{
    return form('B', {nick, target});
}

QByteArray Packets::BeepReceived(const QString& nick, const QString& beeper) const
{
    return form('b', {nick, beeper});
}

QByteArray Packets::AskInfo(const QString& nick, const QString& target, char marker,
                            const QString& window, const QString& wanted) const
{
    // The window field carries a marker byte of its own instead of the command.
    QByteArray packet = "/I" + m_text.encode(nick) + "//I" + m_text.encode(target) + "//";
    packet += marker;
    packet += m_text.encode(window);
    packet += '/';
    packet += m_text.encode(wanted);
    return packet;
}

QByteArray Packets::TellInfo(const QString& nick, const QString& asker, const QString& window,
                             const QString& allowed, const QString& version,
                             const QString& computer, const QString& memoryLoad,
                             const QString& memoryTotal, const QString& process,
                             const QString& title) const
{
    return form('i', {nick, asker, window, allowed, version, computer, memoryLoad, memoryTotal,
                      process, title});
}

QByteArray Packets::AskChannels(const QString& nick) const
{
    return form('H', {nick, QString()});
}

QByteArray Packets::TellChannels(const QString& nick, const QStringList& channels) const
{
    QString list;
    for (const QString& channel : channels)
        list += u"/h"_s + channel + u'/';
    return form('h', {nick, list});
}

} // namespace quorvelle::net
