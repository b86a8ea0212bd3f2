#pragma once

// Where the protocol's news goes. The dispatcher talks to a few narrow sinks,
// each implemented by the part of the program that owns it (the conversations,
// the message windows, the information windows, the channels window, the sound
// player, the nick and subject boxes); tests fake them. The protocol code never
// reaches a window any other way.

#include "settings/switches.h"

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

inline const QString MainConversation = QStringLiteral("#Main");

// A line for a conversation, with how it is shown.
struct ChatLine
{
    QString conversation;
    QString nick; // the sender; empty for most system lines
    QString text;
    LineColour colour = LineColour::Welcome;
    bool withNick = false;
    bool withTime = false;
    bool notify = false; // raises the new-line events (popup, flashing, sound)
    bool hint = false;   // shown in the tray hint
    // Colour codes and smiles rendered; off for the program's own lines that quote
    // names and addresses, which would lose their "_", "%" and such.
    bool markup = true;

    // A user's chat line: nick prefix, stamp per "Users Strings", new-line events.
    static ChatLine user(const QString& conversation, const QString& nick, const QString& text,
                         LineColour colour, const settings::Switches& on)
    {
        return {conversation, nick, text, colour, true, on.UsersStrings, true, on.HintTray};
    }
    // A system line: no prefix, stamp per "System Strings", no events. The nick names
    // the peer whose private chat the line belongs to, or who joined or left (so that
    // the user's own coming and going shows no tray hint).
    static ChatLine system(const QString& conversation, const QString& text, LineColour colour,
                           const settings::Switches& on, const QString& nick = QString())
    {
        return {conversation, nick, text, colour, false, on.SystemStrings, false, on.HintTray};
    }
};

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

// Sound events, numbered as their settings.
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

// The open conversations, in tab order; names compare exactly.
class ConversationSink
{
public:
    virtual ~ConversationSink() = default;
    virtual void addChatLine(const ChatLine& line) = 0;
    virtual bool conversationExists(const QString& name) const = 0;
    virtual QStringList conversationNames() const = 0;
    // A peer renamed: its private chat follows (and so do its message and
    // information windows, which listen to the conversations).
    virtual void renameConversation(const QString& from, const QString& to) = 0;
};

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // A popup message: caption "<- nick" (to this user) or "<= nick" (to all).
    virtual void receiveMessage(const QString& caption, const QString& text) = 0;
};

class InformationSink
{
public:
    virtual ~InformationSink() = default;
    // window is "N" for a new information window or the number of an open one;
    // false when no such window is open (the reply is dropped).
    virtual bool showInformation(const QString& window, const InfoReply& reply) = 0;
};

class ChannelsSink
{
public:
    virtual ~ChannelsSink() = default;
    virtual bool channelsWindowOpen() const = 0;
    virtual void addCreatedChannels(const QStringList& channels) = 0;
};

class SoundSink
{
public:
    virtual ~SoundSink() = default;
    virtual void playSoundEvent(int event) = 0;
};

class SessionSink
{
public:
    virtual ~SessionSink() = default;
    // The subject or the own nick changed in the session state.
    virtual void subjectChanged() = 0;
    virtual void ownNickChanged() = 0;
};

// Peers coming to and leaving the net ("@" and "$"), whatever the switches show.
class PresenceSink
{
public:
    virtual ~PresenceSink() = default;
    virtual void peerJoined(const QString& nick) = 0;
    virtual void peerLeft(const QString& nick) = 0;
};

// Takes everything and does nothing: the sink of a part not (yet) present.
class SilentSinks : public MessageSink,
                    public InformationSink,
                    public ChannelsSink,
                    public SoundSink,
                    public SessionSink,
                    public PresenceSink
{
public:
    void receiveMessage(const QString&, const QString&) override {}
    bool showInformation(const QString&, const InfoReply&) override { return false; }
    bool channelsWindowOpen() const override { return false; }
    void addCreatedChannels(const QStringList&) override {}
    void playSoundEvent(int) override {}
    void subjectChanged() override {}
    void ownNickChanged() override {}
    void peerJoined(const QString&) override {}
    void peerLeft(const QString&) override {}

    static SilentSinks& instance()
    {
        static SilentSinks silent;
        return silent;
    }
};

// The sinks of one running peer; never null.
struct Sinks
{
    ConversationSink* conversations;
    MessageSink* messages = &SilentSinks::instance();
    InformationSink* information = &SilentSinks::instance();
    ChannelsSink* channels = &SilentSinks::instance();
    SoundSink* sounds = &SilentSinks::instance();
    SessionSink* session = &SilentSinks::instance();
    PresenceSink* presence = &SilentSinks::instance();
};

} // namespace quorvelle::net
