#pragma once

// The user's actions that put packets on the net, and the replies the dispatcher
// delegates here. Most own changes become visible only when their datagram comes
// back; only the status, the subject and the pending nick change are set here.

#include "net/conversation_kind.h"
#include "net/packets.h"
#include "platform/foreground_window.h"
#include "platform/memory_status.h"

#include <QDateTime>
#include <functional>
#include <optional>

namespace quorvelle::presence {
class UsersRegistry;
}
namespace quorvelle::settings {
struct SessionState;
}

namespace quorvelle::net {

class PacketLink;

// What this machine can tell about itself; tests replace the sources.
struct MachineInfo
{
    std::function<QString()> computerName;
    std::function<std::optional<platform::MemoryStatus>()> memory;
    std::function<std::optional<platform::ForegroundWindow>()> foreground;
    std::function<QString()> version;

    static MachineInfo system();
};

class OutgoingActions
{
public:
    OutgoingActions(presence::UsersRegistry& registry, settings::SessionState& state,
                    PacketLink& link, const Packets& packets, MachineInfo machine,
                    std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    // Empties the registry and asks everyone who is there.
    void RefreshUsersList();
    // "?" to everyone, the registry kept; "?" to one address (a sender nobody
    // listed, or a peer whose answer was lost).
    void AskWhoIsThere();
    void AskWhoIsThere(quint32 address);
    void AskSubject();
    // Every peer answers with the channels it has open.
    void AskChannels();
    // The first showing of a conversation's tab.
    void AnnounceConversation(ConversationKind kind, const QString& name);
    // Nothing for an empty text; a channel line is broadcast, a private line goes
    // to the partner and to the own address.
    void SendChatLine(const QString& conversation, const QString& text);
    // The leave announcement of a closed channel or private chat (not #Main).
    void LeaveConversation(const QString& conversation);
    // The exit: leave every conversation from the last tab to the first; the
    // first tab (#Main) takes leave of the net, last of all.
    void LeaveAll(const QStringList& conversations);

    // The nick box: refused (false) when unchanged, empty, in use, or holding "#"
    // or "/". The nick changes only when the own rename comes back.
    bool RequestNickChange(const QString& nick);
    // The nick history skips the "#" and "/" test.
    bool ChangeNickFromHistory(const QString& nick);
    // Puts a nick at the top of the history unless it is there (ignoring case).
    void AddNickHistory(const QString& nick);

    // False (and nothing sent) when the status is the current one.
    bool ChangeStatus(presence::Status status);
    // The subject box: false when the text is the current subject.
    bool SetSubject(const QString& text);

    // Beep or ask information of a user; refused for Offline users.
    bool Beep(const QString& nick, QChar status);
    bool RequestInfo(const QString& nick, QChar status);
    // From an open information window: refresh it.
    void RefreshInfo(const QString& nick, int window);
    // The reply to a peer's information request.
    void SendInfoReply(const QString& asker, const QString& window, const QString& wanted);

private:
    bool requestNick(const QString& nick, bool fromHistory);

    presence::UsersRegistry& m_registry;
    settings::SessionState& m_state;
    PacketLink& m_link;
    const Packets& m_packets;
    MachineInfo m_machine;
    std::function<QDateTime()> m_clock;
};

} // namespace quorvelle::net
