#include "net/outgoing_actions.h"

#include "net/packet_link.h"
#include "presence/users_registry.h"
#include "settings/program_info.h"
#include "settings/session_state.h"
#include "settings/settings_schema.h"

namespace quorvelle::net {

using namespace Qt::Literals::StringLiterals;

namespace {

bool isChannel(const QString& name)
{
    return name.startsWith(u'#');
}

} // namespace

MachineInfo MachineInfo::system()
{
    return MachineInfo{&settings::GetComputerNameText, &platform::GetMemoryStatus,
                       &platform::GetForegroundWindow, &settings::GetVersionText};
}

OutgoingActions::OutgoingActions(presence::UsersRegistry& registry, settings::SessionState& state,
                                 PacketLink& link, const Packets& packets, MachineInfo machine,
                                 std::function<QDateTime()> clock)
    : m_registry(registry), m_state(state), m_link(link), m_packets(packets),
      m_machine(std::move(machine)), m_clock(std::move(clock))
{}

void OutgoingActions::RefreshUsersList()
{
    m_registry.ClearUsers();
    AskWhoIsThere();
}

void OutgoingActions::AskWhoIsThere()
{
    m_link.SendBroadcast(m_packets.WhoIsThere(m_state.MyNick, m_state.MyStatus));
}

void OutgoingActions::AskWhoIsThere(quint32 address)
{
    m_link.SendToAddress(m_packets.WhoIsThere(m_state.MyNick, m_state.MyStatus), address);
}

void OutgoingActions::AskSubject()
{
    m_link.SendBroadcast(m_packets.AskSubject(m_state.MyNick));
}

void OutgoingActions::AskChannels()
{
    m_link.SendBroadcast(m_packets.AskChannels(m_state.MyNick));
}

void OutgoingActions::AnnounceConversation(ConversationKind kind, const QString& name)
{
    switch (kind) {
    case ConversationKind::Main:
        m_link.SendBroadcast(m_packets.JoinNet(m_state.MyNick, m_state.MyStatus));
        break;
    case ConversationKind::Channel:
        m_link.SendBroadcast(m_packets.JoinChannel(m_state.MyNick, name));
        break;
    case ConversationKind::Private: {
        const QByteArray packet = m_packets.JoinChat(m_state.MyNick, name);
        m_link.SendToUser(packet, name);
        m_link.SendToUser(packet, m_state.MyNick);
        break;
    }
    }
}

void OutgoingActions::SendChatLine(const QString& conversation, const QString& text)
{
    if (text.isEmpty())
        return;
    const QByteArray packet = m_packets.ChatLine(m_state.MyNick, conversation, text);
    if (isChannel(conversation)) {
        m_link.SendBroadcast(packet);
    } else {
        m_link.SendToUser(packet, conversation);
        m_link.SendToUser(packet, m_state.MyNick);
    }
}

void OutgoingActions::LeaveConversation(const QString& conversation)
{
    if (isChannel(conversation))
        m_link.SendBroadcast(m_packets.LeaveChannel(m_state.MyNick, conversation));
    else
        m_link.SendToUser(m_packets.LeaveChat(m_state.MyNick, conversation), conversation);
}

void OutgoingActions::LeaveAll(const QStringList& conversations)
{
    for (qsizetype i = conversations.size() - 1; i >= 0; --i) {
        if (i == 0)
            m_link.SendBroadcast(m_packets.LeaveNet(m_state.MyNick));
        else
            LeaveConversation(conversations[i]);
    }
}

bool OutgoingActions::requestNick(const QString& nick, bool fromHistory)
{
    if (nick.isEmpty() || nick == m_state.MyNick || m_registry.FindUser(nick) >= 0)
        return false;
    if (!fromHistory && (nick.contains(u'#') || nick.contains(u'/')))
        return false;
    m_state.NickChangePending = true;
    m_link.SendBroadcast(m_packets.ChangeNick(m_state.MyNick, nick, m_state.MyStatus));
    return true;
}

bool OutgoingActions::RequestNickChange(const QString& nick)
{
    return requestNick(nick, false);
}

bool OutgoingActions::ChangeNickFromHistory(const QString& nick)
{
    return requestNick(nick, true);
}

void OutgoingActions::AddNickHistory(const QString& nick)
{
    QStringList& history = m_state.nickHistory;
    for (const QString& entry : history)
        if (entry.compare(nick, Qt::CaseInsensitive) == 0)
            return;
    history.prepend(nick);
    history.resize(settings::NickHistorySize);
}

bool OutgoingActions::ChangeStatus(presence::Status status)
{
    if (status == m_state.MyStatus)
        return false;
    m_state.MyStatus = status;
    m_link.SendBroadcast(m_packets.ChangeStatus(m_state.MyNick, status));
    return true;
}

bool OutgoingActions::SetSubject(const QString& text)
{
    if (text == m_state.SubjectText)
        return false;
    m_state.SubjectAuthor = m_state.MyNick;
    m_state.SubjectTime = settings::SubjectTimeText(m_clock());
    m_state.SubjectText = text;
    m_link.SendBroadcast(m_packets.SetSubject(m_state.MyNick, text));
    return true;
}

bool OutgoingActions::Beep(const QString& nick, QChar status)
{
    if (presence::IsOffline(status))
        return false;
    m_link.SendToUser(m_packets.Beep(m_state.MyNick, nick), nick);
    return true;
}

bool OutgoingActions::RequestInfo(const QString& nick, QChar status)
{
    if (presence::IsOffline(status))
        return false;
    m_link.SendToUser(m_packets.AskInfo(m_state.MyNick, nick, 'i', u"N"_s, m_state.InfoLetters()),
                      nick);
    return true;
}

void OutgoingActions::RefreshInfo(const QString& nick, int window)
{
    m_link.SendToUser(m_packets.AskInfo(m_state.MyNick, nick, 'I', QString::number(window),
                                        m_state.InfoLetters()),
                      nick);
}

void OutgoingActions::SendInfoReply(const QString& asker, const QString& window,
                                    const QString& wanted)
{
    QString computer, load, total, process, title;
    if (wanted.contains(u'S') && m_state.switches.SysInfo)
        computer = m_machine.computerName();
    if (wanted.contains(u'M') && m_state.switches.MemInfo) {
        if (const auto memory = m_machine.memory()) {
            load = QString::number(memory->loadPercent);
            total = QString::number(memory->totalKb);
        }
    }
    if (wanted.contains(u'P') && m_state.switches.ProgInfo) {
        // Also where no foreground window can be found at all (Wayland, no display).
        process = platform::NoProcessText();
        if (const auto window = m_machine.foreground()) {
            title = window->title;
            process = window->process;
        }
    }
    m_link.SendToUser(m_packets.TellInfo(m_state.MyNick, asker, window, m_state.InfoLetters(),
                                         m_machine.version(), computer, load, total, process,
                                         title),
                      asker);
}

} // namespace quorvelle::net
