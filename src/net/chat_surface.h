#pragma once

// What the protocol needs of the windows. The main window implements it, the
// headless peer prints through it, and tests fake it; the protocol code never
// reaches a widget any other way.

#include <QString>
#include <QStringList>

namespace quorvelle::net {

// The twelve kinds of conversation line, numbered as their colour settings
// (SysStrFont1..SysStrFont12).
enum class LineColour
{
    Welcome = 1,
    JoinLeave,
    ChangeNick,
    ChangeStatus,
    ChangeSubject,
    ReceiveMessage,
    ReceiveConfirmation,
    SendBeep,
    ReceiveBeep,
    SystemErrors,
    ExternalUsers,
    LocalYour,
};

struct ChatLine
{
    QString conversation;
    QString nick; // the sender; empty for most system lines
    QString text;
    LineColour colour = LineColour::Welcome;
    bool withNick = false;
    bool withTime = false;
    bool notify = false;
    bool hint = false;
};

inline const QString MainConversation = QStringLiteral("#Main");

// The fields of a peer's information reply, as they came.
struct InfoReply
{
    QString nick;    // the replier
    QString allowed; // subset of "SMP" the replier allows
    QString version;
    QString computer;
    QString memoryLoad;
    QString memoryTotal;
    QString process;
    QString title;
};

// Sound events raised by the protocol.
enum SoundEvent
{
    SoundJoinNetwork = 0,
    SoundLeaveNetwork = 1,
    SoundJoinChanel = 2,
    SoundLeaveChanel = 3,
    SoundJoinPrivate = 4,
    SoundLeavePrivate = 5,
    SoundChangeNick = 6,
    SoundChangeStatus = 7,
    SoundChangeSubject = 8,
    SoundReceiveMessage = 9,
    SoundReceiveMassMessage = 10,
    SoundReceiveConfirmation = 11,
    SoundReceiveBeep = 12,
    SoundReceiveChatLine = 13,
};

class ChatSurface
{
public:
    virtual ~ChatSurface() = default;

    virtual void addChatLine(const ChatLine& line) = 0;
    virtual void playSoundEvent(int event) = 0;

    // Conversations, in tab order; names compare exactly.
    virtual bool conversationExists(const QString& name) const = 0;
    virtual QStringList conversationNames() const = 0;
    // A peer renamed: its private chat, message and information windows follow.
    virtual void renameConversation(const QString& from, const QString& to) = 0;

    // A popup message: caption "<- nick" (to this user) or "<= nick" (to all).
    virtual void receiveMessage(const QString& caption, const QString& text) = 0;
    // window is "N" for a new information window or the number of an open one;
    // returns false when no such window is open (the reply is dropped).
    virtual bool showInformation(const QString& window, const InfoReply& reply) = 0;

    virtual bool channelsWindowOpen() const = 0;
    virtual void addCreatedChannels(const QStringList& channels) = 0;

    // The subject or the own nick changed in the session state.
    virtual void subjectChanged() = 0;
    virtual void ownNickChanged() = 0;
};

} // namespace quorvelle::net
