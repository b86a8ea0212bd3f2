#include "net/dispatcher.h"

#include "net/codec.h"
#include "net/outgoing_actions.h"
#include "net/packet_link.h"
#include "net/packets.h"
#include "presence/users_registry.h"
#include "settings/session_state.h"
#include "settings/settings_schema.h"

namespace quorvelle::net {

using namespace Qt::Literals::StringLiterals;

Dispatcher::Dispatcher(presence::UsersRegistry& registry, settings::SessionState& state,
                       PacketLink& link, const Packets& packets, const WireText& text,
                       OutgoingActions& actions, const Sinks& sinks,
                       std::function<QDateTime()> clock)
    : m_registry(registry), m_state(state), m_link(link), m_packets(packets), m_text(text),
      m_actions(actions), m_sinks(sinks), m_clock(std::move(clock))
{}

void Dispatcher::DispatchDatagram(const QByteArray& datagram, quint32 source)
{
    if (m_exiting)
        return;
    const auto decoded = DecodeDatagram(datagram);
    if (!decoded)
        return;
    const ReceivedPacket p(decoded->packet, m_text);

    int index = m_registry.FindUser(p.nick());
    const bool admitted = index < 0;
    if (admitted) {
        if (p.command() != '@' && p.command() != '!' && p.command() != '?') {
            // Not listed (yet): held while the sender is asked who it is.
            const qint64 now = m_clock().toMSecsSinceEpoch();
            if (!p.nick().isEmpty() && m_held.hold(p.nick(), source, datagram, now))
                m_actions.AskWhoIsThere(source);
            return;
        }
        index = m_registry.AddUser(p.nick(), p.tail(), source);
    }
    if (m_registry.CheckSignature(index, decoded->signature) ==
        presence::UsersRegistry::Signature::Duplicate)
        return;
    handle(p, source);
    // Listed now: what it sent before comes in the order it came, each once (the
    // duplicate filter sees it like any other datagram).
    if (admitted && m_registry.FindUser(p.nick()) >= 0)
        for (const HeldDatagrams::Held& held :
             m_held.release(p.nick(), m_clock().toMSecsSinceEpoch()))
            DispatchDatagram(held.datagram, held.source);
}

void Dispatcher::systemLine(const QString& conversation, const QString& text, LineColour colour,
                            const QString& nick)
{
    m_sinks.conversations->addChatLine(
        ChatLine::system(conversation, text, colour, m_state.switches, nick));
}

void Dispatcher::handle(const ReceivedPacket& p, quint32 source)
{
    const auto& on = m_state.switches;
    const QString& me = m_state.MyNick;
    const QString& nick = p.nick();
    switch (p.command()) {
    case '@':
        m_sinks.sounds->playSoundEvent(SoundJoinNetwork);
        if (on.JLNet)
            systemLine(MainConversation, nick + u" joins the net"_s, LineColour::JoinLeave, nick);
        m_registry.AddUser(nick, p.tail(), source);
        m_sinks.presence->peerJoined(nick);
        break;
    case '$':
        m_sinks.sounds->playSoundEvent(SoundLeaveNetwork);
        if (on.JLNet)
            systemLine(MainConversation, nick + u" leaves the net"_s, LineColour::JoinLeave, nick);
        m_registry.RemoveUser(nick);
        m_sinks.presence->peerLeft(nick);
        break;
    case '!':
        m_registry.AddUser(nick, p.tail(), source);
        break;
    case '?':
        if (nick.isEmpty())
            break;
        m_registry.AddUser(nick, p.tail(), source);
        m_link.SendToUser(m_packets.HereIAm(me, m_state.MyStatus), nick);
        break;
    case '1':
    case '2': {
        const QString channel = p.tail();
        if (!m_sinks.conversations->conversationExists(channel))
            break;
        const bool joins = p.command() == '1';
        m_sinks.sounds->playSoundEvent(joins ? SoundJoinChanel : SoundLeaveChanel);
        if (on.JLChan)
            systemLine(channel, nick + (joins ? u" joins the channel"_s : u" leaves the channel"_s),
                       LineColour::JoinLeave, nick);
        break;
    }
    case '>':
        m_sinks.sounds->playSoundEvent(SoundJoinPrivate);
        if (on.JLChat)
            systemLine(p.tail(), nick + u" joins the chat"_s, LineColour::JoinLeave, nick);
        break;
    case '<': {
        const QString peer = p.tail();
        if (nick == peer || peer != me || !m_sinks.conversations->conversationExists(nick))
            break;
        m_sinks.sounds->playSoundEvent(SoundLeavePrivate);
        if (on.JLChat)
            systemLine(peer, nick + u" leaves the chat"_s, LineColour::JoinLeave, nick);
        break;
    }
    case '#': {
        const FieldAndRest line = ReadFieldAndRest(p);
        m_sinks.conversations->addChatLine(
            ChatLine::user(line.field, nick, line.rest,
                           nick == me ? LineColour::LocalYour : LineColour::ExternalUsers, on));
    } break;
    case '%': {
        const FieldAndRest message = ReadFieldAndRest(p);
        if (message.field == me)
            m_sinks.messages->receiveMessage(u"<- "_s + nick, message.rest);
        break;
    }
    case '*':
        if (nick != me)
            m_sinks.messages->receiveMessage(u"<= "_s + nick, p.tail());
        break;
    case 'M': {
        const FieldAndRest confirmation = ReadFieldAndRest(p);
        if (confirmation.field != me)
            break;
        m_sinks.sounds->playSoundEvent(SoundReceiveConfirmation);
        if (on.MessConf)
            systemLine(MainConversation,
                       nick + u" received the message in "_s +
                           presence::StatusName(confirmation.rest) + u" mode"_s,
                       LineColour::ReceiveConfirmation);
        break;
    }
    case 'B':
        if (p.tail() != me)
            break;
        m_sinks.sounds->playSoundEvent(SoundReceiveBeep);
        if (on.RecvBeep)
            systemLine(MainConversation, nick + u" sends an alert beep"_s, LineColour::SendBeep);
        m_link.SendToUser(m_packets.BeepReceived(me, nick), nick);
        break;
    case 'b':
        if (p.tail() == me && on.BeepConf)
            systemLine(MainConversation, nick + u" received an alert beep"_s,
                       LineColour::ReceiveBeep);
        break;
    case '^':
        takeSubjectOver(p);
        break;
    case 's':
        if (nick != me)
            m_link.SendToUser(m_packets.TellSubject(me, m_state.SubjectAuthor, m_state.SubjectTime,
                                                    m_state.SubjectText),
                              nick);
        break;
    case 'S':
        if (nick != me)
            takeReplySubjectOver(p);
        break;
    case '&':
        rename(p);
        break;
    case '_':
        m_sinks.sounds->playSoundEvent(SoundChangeStatus);
        if (m_registry.FindUser(nick) >= 0) {
            const QString status = p.tail();
            m_registry.SetUserStatus(nick, status, me);
            if (on.ChanStat)
                systemLine(MainConversation,
                           nick + u" enters in "_s + presence::StatusName(status) + u" mode"_s,
                           LineColour::ChangeStatus);
        }
        break;
    case 'I': {
        const InfoRequest request = ReadInfoRequest(p);
        if (request.target == me)
            m_actions.SendInfoReply(nick, request.window, request.wanted);
        break;
    }
    case 'i': {
        const InfoAnswer answer = ReadInfoAnswer(p);
        if (answer.asker == me)
            m_sinks.information->showInformation(answer.window, answer.reply);
        break;
    }
    case 'H': {
        QStringList channels;
        for (const QString& name : m_sinks.conversations->conversationNames())
            if (name.startsWith(u'#'))
                channels.append(name);
        m_link.SendToUser(m_packets.TellChannels(me, channels), nick);
        break;
    }
    case 'h':
        if (m_sinks.channels->channelsWindowOpen())
            m_sinks.channels->addCreatedChannels(ReadChannelList(p));
        break;
    default:
        break; // unknown commands are ignored
    }
}

void Dispatcher::takeSubjectOver(const ReceivedPacket& p)
{
    m_sinks.sounds->playSoundEvent(SoundChangeSubject);
    const QString& nick = p.nick();
    const QString subject = p.tail();
    m_state.SubjectAuthor = nick;
    m_state.SubjectTime = settings::SubjectTimeText(m_clock());
    m_state.SubjectText = subject;
    m_sinks.session->subjectChanged();
    if (m_state.switches.ChanSubj)
        systemLine(MainConversation, u"Subject by "_s + nick + u": \""_s + subject + u'"',
                   LineColour::ChangeSubject);
}

void Dispatcher::takeReplySubjectOver(const ReceivedPacket& p)
{
    SubjectReply reply = ReadSubjectReply(p);
    if (SubjectTimeSortKey(reply.time) <= SubjectTimeSortKey(m_state.SubjectTime))
        return;
    m_state.SubjectAuthor = std::move(reply.author);
    m_state.SubjectTime = std::move(reply.time);
    m_state.SubjectText = std::move(reply.subject);
    m_sinks.session->subjectChanged();
}

void Dispatcher::rename(const ReceivedPacket& p)
{
    m_sinks.sounds->playSoundEvent(SoundChangeNick);
    const QString& nick = p.nick();
    const FieldAndRest change = ReadFieldAndRest(p);
    const QString& newNick = change.field;
    if (m_registry.FindUser(nick) >= 0) {
        m_registry.RenameUser(nick, newNick, change.rest, m_state.MyNick);
        if (m_state.switches.ChanNick)
            systemLine(MainConversation, nick + u" has renamed in "_s + newNick,
                       LineColour::ChangeNick);
        m_sinks.conversations->renameConversation(nick, newNick);
    }
    if (nick == m_state.MyNick && m_state.NickChangePending) {
        m_state.NickChangePending = false;
        m_state.MyNick = newNick;
        m_sinks.session->ownNickChanged();
        if (m_state.switches.Updatehistory1)
            m_actions.AddNickHistory(newNick);
    }
}

} // namespace quorvelle::net
