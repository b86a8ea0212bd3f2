#include "net/dispatcher.h"

#include "net/chat_surface.h"
#include "net/codec.h"
#include "net/outgoing_actions.h"
#include "net/packet_link.h"
#include "net/packets.h"
#include "presence/users_registry.h"
#include "settings/session_state.h"
#include "settings/settings_schema.h"

namespace quorvelle::net {

using namespace Qt::Literals::StringLiterals;

// A decoded packet: its command, and the nick and tail as bytes and text.
struct Dispatcher::Packet
{
    char command;
    QByteArrayView tailBytes;
    QString nick;
    const WireText& text;

    QString tail() const { return text.decode(tailBytes); }
    // Field n of the tail (0 = the first field after the nick).
    QByteArrayView tailField(int n) const
    {
        QByteArrayView rest = tailBytes;
        for (int i = 0; i < n; ++i)
            rest = RestFields(rest);
        return FirstField(rest);
    }
    QString field(int n) const { return text.decode(tailField(n)); }
    // Everything after field n of the tail.
    QString after(int n) const
    {
        QByteArrayView rest = tailBytes;
        for (int i = 0; i <= n; ++i)
            rest = RestFields(rest);
        return text.decode(rest);
    }
};

Dispatcher::Dispatcher(presence::UsersRegistry& registry, settings::SessionState& state,
                       PacketLink& link, const Packets& packets, const WireText& text,
                       OutgoingActions& actions, ChatSurface& surface,
                       std::function<QDateTime()> clock)
    : m_registry(registry), m_state(state), m_link(link), m_packets(packets), m_text(text),
      m_actions(actions), m_surface(surface), m_clock(std::move(clock))
{}

void Dispatcher::DispatchDatagram(const QByteArray& datagram, quint32 source)
{
    if (m_exiting)
        return;
    const auto decoded = DecodeDatagram(datagram);
    if (!decoded)
        return;
    const QByteArray& bytes = decoded->packet;
    const Packet p{bytes.size() > 1 ? bytes[1] : '\0', RestFields(bytes),
                   m_text.decode(FirstField(bytes)), m_text};

    int index = m_registry.FindUser(p.nick);
    if (index < 0) {
        if (p.command != '@' && p.command != '!' && p.command != '?')
            return;
        index = m_registry.AddUser(p.nick, p.tail(), source);
    }
    if (m_registry.CheckSignature(index, decoded->signature) ==
        presence::UsersRegistry::Signature::Duplicate)
        return;
    handle(p, source);
}

void Dispatcher::systemLine(const QString& conversation, const QString& text, LineColour colour,
                            const QString& nick)
{
    m_surface.addChatLine(ChatLine{conversation, nick, text, colour, false, m_state.SystemStrings,
                                   false, m_state.HintTray});
}

void Dispatcher::handle(const Packet& p, quint32 source)
{
    const auto& on = m_state.messages;
    const QString& me = m_state.MyNick;
    switch (p.command) {
    case '@':
        m_surface.playSoundEvent(SoundJoinNetwork);
        if (on.JLNet)
            systemLine(MainConversation, p.nick + u" joins the net"_s, LineColour::JoinLeave);
        m_registry.AddUser(p.nick, p.tail(), source);
        break;
    case '$':
        m_surface.playSoundEvent(SoundLeaveNetwork);
        if (on.JLNet)
            systemLine(MainConversation, p.nick + u" leaves the net"_s, LineColour::JoinLeave);
        m_registry.RemoveUser(p.nick);
        break;
    case '!':
        m_registry.AddUser(p.nick, p.tail(), source);
        break;
    case '?':
        if (p.nick.isEmpty())
            break;
        m_registry.AddUser(p.nick, p.tail(), source);
        m_link.SendToUser(m_packets.HereIAm(me, m_state.MyStatus), p.nick);
        break;
    case '1':
    case '2': {
        const QString channel = p.tail();
        if (!m_surface.conversationExists(channel))
            break;
        const bool joins = p.command == '1';
        m_surface.playSoundEvent(joins ? SoundJoinChanel : SoundLeaveChanel);
        if (on.JLChan)
            systemLine(channel,
                       p.nick + (joins ? u" joins the channel"_s : u" leaves the channel"_s),
                       LineColour::JoinLeave);
        break;
    }
    case '>':
        m_surface.playSoundEvent(SoundJoinPrivate);
        if (on.JLChat)
            systemLine(p.tail(), p.nick + u" joins the chat"_s, LineColour::JoinLeave, p.nick);
        break;
    case '<': {
        const QString peer = p.tail();
        if (p.nick == peer || peer != me || !m_surface.conversationExists(p.nick))
            break;
        m_surface.playSoundEvent(SoundLeavePrivate);
        if (on.JLChat)
            systemLine(peer, p.nick + u" leaves the chat"_s, LineColour::JoinLeave, p.nick);
        break;
    }
    case '#':
        m_surface.addChatLine(
            ChatLine{p.field(0), p.nick, p.after(0),
                     p.nick == me ? LineColour::LocalYour : LineColour::ExternalUsers, true,
                     m_state.UsersStrings, true, m_state.HintTray});
        break;
    case '%':
        if (p.field(0) == me)
            m_surface.receiveMessage(u"<- "_s + p.nick, p.after(0));
        break;
    case '*':
        if (p.nick != me)
            m_surface.receiveMessage(u"<= "_s + p.nick, p.tail());
        break;
    case 'M':
        if (p.field(0) != me)
            break;
        m_surface.playSoundEvent(SoundReceiveConfirmation);
        if (on.MessConf)
            systemLine(MainConversation,
                       p.nick + u" received the message in "_s + presence::StatusName(p.after(0)) +
                           u" mode"_s,
                       LineColour::ReceiveConfirmation);
        break;
    case 'B':
        if (p.tail() != me)
            break;
        m_surface.playSoundEvent(SoundReceiveBeep);
        if (on.RecvBeep)
            systemLine(MainConversation, p.nick + u" sends an alert beep"_s, LineColour::SendBeep);
        m_link.SendToUser(m_packets.BeepReceived(me, p.nick), p.nick);
        break;
    case 'b':
        if (p.tail() == me && on.BeepConf)
            systemLine(MainConversation, p.nick + u" received an alert beep"_s,
                       LineColour::ReceiveBeep);
        break;
    case '^':
        takeSubjectOver(p);
        break;
    case 's':
        if (p.nick != me)
            m_link.SendToUser(m_packets.TellSubject(me, m_state.SubjectAuthor, m_state.SubjectTime,
                                                    m_state.SubjectText),
                              p.nick);
        break;
    case 'S':
        if (p.nick != me)
            takeReplySubjectOver(p);
        break;
    case '&':
        rename(p);
        break;
    case '_':
        m_surface.playSoundEvent(SoundChangeStatus);
        if (m_registry.FindUser(p.nick) >= 0) {
            const QString status = p.tail();
            m_registry.SetUserStatus(p.nick, status, me);
            if (on.ChanStat)
                systemLine(MainConversation,
                           p.nick + u" enters in "_s + presence::StatusName(status) + u" mode"_s,
                           LineColour::ChangeStatus);
        }
        break;
    case 'I':
        // The window field starts with a marker byte that FirstField skips.
        if (p.field(0) == me)
            m_actions.SendInfoReply(p.nick, p.field(1), p.after(1));
        break;
    case 'i':
        if (p.field(0) == me)
            showInformation(p);
        break;
    case 'H': {
        QStringList channels;
        for (const QString& name : m_surface.conversationNames())
            if (name.startsWith(u'#'))
                channels.append(name);
        m_link.SendToUser(m_packets.TellChannels(me, channels), p.nick);
        break;
    }
    case 'h':
        if (m_surface.channelsWindowOpen())
            addCreatedChannels(p);
        break;
    default:
        break; // unknown commands are ignored
    }
}

void Dispatcher::takeSubjectOver(const Packet& p)
{
    m_surface.playSoundEvent(SoundChangeSubject);
    const QString subject = p.tail();
    m_state.SubjectAuthor = p.nick;
    m_state.SubjectTime = settings::SubjectTimeText(m_clock());
    m_state.SubjectText = subject;
    m_surface.subjectChanged();
    if (m_state.messages.ChanSubj)
        systemLine(MainConversation, u"Subject by "_s + p.nick + u": \""_s + subject + u'"',
                   LineColour::ChangeSubject);
}

void Dispatcher::takeReplySubjectOver(const Packet& p)
{
    const QString time = p.field(1);
    if (SubjectTimeSortKey(time) <= SubjectTimeSortKey(m_state.SubjectTime))
        return;
    m_state.SubjectAuthor = p.field(0);
    m_state.SubjectTime = time;
    m_state.SubjectText = p.after(1);
    m_surface.subjectChanged();
}

void Dispatcher::rename(const Packet& p)
{
    m_surface.playSoundEvent(SoundChangeNick);
    const QString newNick = p.field(0);
    if (m_registry.FindUser(p.nick) >= 0) {
        m_registry.RenameUser(p.nick, newNick, p.after(0), m_state.MyNick);
        if (m_state.messages.ChanNick)
            systemLine(MainConversation, p.nick + u" has renamed in "_s + newNick,
                       LineColour::ChangeNick);
        m_surface.renameConversation(p.nick, newNick);
    }
    if (p.nick == m_state.MyNick && m_state.NickChangePending) {
        m_state.NickChangePending = false;
        m_state.MyNick = newNick;
        m_surface.ownNickChanged();
        if (m_state.Updatehistory1)
            m_actions.AddNickHistory(newNick);
    }
}

void Dispatcher::showInformation(const Packet& p)
{
    InfoReply reply;
    reply.nick = p.nick;
    reply.allowed = p.field(2);
    reply.version = p.field(3);
    reply.computer = p.field(4);
    reply.memoryLoad = p.field(5);
    reply.memoryTotal = p.field(6);
    reply.process = p.field(7);
    reply.title = p.after(7);
    m_surface.showInformation(p.field(1), reply);
}

void Dispatcher::addCreatedChannels(const Packet& p)
{
    QStringList channels;
    for (QByteArrayView rest = p.tailBytes; !rest.isEmpty(); rest = RestFields(rest)) {
        const QString name = m_text.decode(FirstField(rest));
        if (!name.isEmpty() && !channels.contains(name))
            channels.append(name);
    }
    m_surface.addCreatedChannels(channels);
}

} // namespace quorvelle::net
