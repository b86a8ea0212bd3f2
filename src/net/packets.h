#pragma once

// Builds every packet the program sends. A packet is "/" + command + field 1 and
// further fields each behind "//" + command, the last one behind a single "/";
// field 1 is always the sender's nick. Text goes out in the wire code page.

#include "net/wire_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace quorvelle::net {

// The subject time text has exactly this form: "[dd.mm.yyyy - hh:mm:ss]".
// Key under which two subject times compare by date, then time.
QString SubjectTimeSortKey(const QString& time);

class Packets
{
public:
    explicit Packets(const WireText& text) : m_text(text) {}

    QByteArray JoinNet(const QString& nick, QChar status) const;
    QByteArray LeaveNet(const QString& nick) const;
    QByteArray WhoIsThere(const QString& nick, QChar status) const;
    QByteArray HereIAm(const QString& nick, QChar status) const;
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
    QByteArray ChangeNick(const QString& nick, const QString& newNick, QChar status) const;
    QByteArray ChangeStatus(const QString& nick, QChar status) const;
    QByteArray Message(const QString& nick, const QString& recipient, const QString& text) const;
    QByteArray MassMessage(const QString& nick, const QString& text) const;
    QByteArray MessageReceived(const QString& nick, const QString& sender, QChar status) const;
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
