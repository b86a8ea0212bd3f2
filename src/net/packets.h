#pragma once

// Builds every packet the program sends. A packet is "/" + command + field 1 and
// further fields each behind "//" + command, the last one behind a single "/";
// field 1 is always the sender's nick. Text goes out in the wire code page.

#include "net/sinks.h"
#include "net/wire_text.h"
#include "presence/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace quorvelle::net {

// The subject time text has exactly this form: "[dd.mm.yyyy - hh:mm:ss]".
// Key under which two subject times compare by date, then time.
QString SubjectTimeSortKey(const QString& time);

// A packet as received: its command, the sender's nick (field 1), and the fields
// after it, taken apart as bytes and decoded one by one.
class ReceivedPacket
{
public:
    ReceivedPacket(QByteArrayView packet, const WireText& text);

    char command() const { return m_command; }
    const QString& nick() const { return m_nick; }
    QByteArrayView tailBytes() const { return m_tail; }
    const WireText& text() const { return m_text; }
    // Everything after the nick, as one text.
    QString tail() const;
    // Field n after the nick (0 = the first), and everything after field n.
    QString field(int n) const;
    QString after(int n) const;

private:
    QByteArrayView skip(int fields) const;

    const WireText& m_text;
    char m_command;
    QByteArrayView m_tail;
    QString m_nick;
};

// Where the receiver finds the fields of the packets that carry more than one.
// "#" conversation + text, "%" recipient + text, "M" sender + status, "&" new
// nick + status: one field and the rest.
struct FieldAndRest
{
    QString field;
    QString rest;
};
FieldAndRest ReadFieldAndRest(const ReceivedPacket& p);

// "S": the subject as the replier knows it.
struct SubjectReply
{
    QString author;
    QString time;
    QString subject;
};
SubjectReply ReadSubjectReply(const ReceivedPacket& p);

// "I": who is asked, the asker's window ("N" or a number) and the letters wanted.
struct InfoRequest
{
    QString target;
    QString window;
    QString wanted;
};
InfoRequest ReadInfoRequest(const ReceivedPacket& p);

// "i": the reply to an information request.
struct InfoAnswer
{
    QString asker;
    QString window;
    InfoReply reply;
};
InfoAnswer ReadInfoAnswer(const ReceivedPacket& p);

// "h": the channels a peer has open, without repeats or empty names.
QStringList ReadChannelList(const ReceivedPacket& p);

class Packets
{
public:
    explicit Packets(const WireText& text) : m_text(text) {}

    QByteArray JoinNet(const QString& nick, presence::Status status) const;
    QByteArray LeaveNet(const QString& nick) const;
    QByteArray WhoIsThere(const QString& nick, presence::Status status) const;
    QByteArray HereIAm(const QString& nick, presence::Status status) const;
    QByteArray JoinChannel(const QString& nick, const QString& channel) const;
    QByteArray LeaveChannel(const QString& nick, const QString& channel) const;
    QByteArray JoinChat(const QString& nick, const QString& peer) const;
    QByteArray LeaveChat(const QString& nick, const QString& peer) const;
    QByteArray ChatLine(const QString& nick, const QString& conversation,
                        const QString& text) const;
    // The text goes out with " (nick) " appended, so every subject names its author.
    QByteArray SetSubject(const QString& nick, const QString& subject) const;
    QByteArray AskSubject(const QString& nick) const;
    QByteArray TellSubject(const QString& nick, const QString& author, const QString& time,
                           const QString& subject) const;
    QByteArray ChangeNick(const QString& nick, const QString& newNick,
                          presence::Status status) const;
    QByteArray ChangeStatus(const QString& nick, presence::Status status) const;
    QByteArray Message(const QString& nick, const QString& recipient, const QString& text) const;
    QByteArray MassMessage(const QString& nick, const QString& text) const;
    QByteArray MessageReceived(const QString& nick, const QString& sender,
                               presence::Status status) const;
    QByteArray Beep(const QString& nick, const QString& target) const;
    QByteArray BeepReceived(const QString& nick, const QString& beeper) const;
    // marker is 'i' from the users list, 'I' from an open information window;
    // window is "N" for a new window or the number of an open one.
    QByteArray AskInfo(const QString& nick, const QString& target, char marker,
                       const QString& window, const QString& wanted) const;
    QByteArray TellInfo(const QString& nick, const QString& asker, const QString& window,
                        const QString& allowed, const QString& version, const QString& computer,
                        const QString& memoryLoad, const QString& memoryTotal,
                        const QString& process, const QString& title) const;
    QByteArray AskChannels(const QString& nick) const;
    QByteArray TellChannels(const QString& nick, const QStringList& channels) const;

private:
    QByteArray form(char command, std::initializer_list<QString> fields) const;

    const WireText& m_text;
};

} // namespace quorvelle::net
