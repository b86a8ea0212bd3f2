#pragma once

// Recording stand-ins for the windows and the sockets.

#include "net/packet_link.h"
#include "net/sinks.h"

#include <QList>
#include <QStringList>

namespace quorvelle::testing {

struct SentPacket
{
    QByteArray packet;
    QString nick; // empty for a broadcast
    bool broadcast = false;
};

class FakeLink : public net::PacketLink
{
public:
    // "nick|packet" per send, "*" for a broadcast.
    QStringList texts() const
    {
        QStringList out;
        for (const SentPacket& s : sent)
            out.append((s.broadcast ? QStringLiteral("*") : s.nick) + QLatin1Char('|') +
                       QString::fromLatin1(s.packet));
        return out;
    }
    void SendBroadcast(const QByteArray& packet) override { sent.append({packet, {}, true}); }
    void SendToUser(const QByteArray& packet, const QString& nick) override
    {
        sent.append({packet, nick, false});
    }
    // Recorded as "@" and the address in hex.
    void SendToAddress(const QByteArray& packet, quint32 address) override
    {
        sent.append({packet, QLatin1Char('@') + QString::number(address, 16), false});
    }
    QList<SentPacket> sent;
};

// Every sink at once, recording what it is told.
class FakeSurface : public net::ConversationSink,
                    public net::MessageSink,
                    public net::InformationSink,
                    public net::ChannelsSink,
                    public net::SoundSink,
                    public net::SessionSink
{
public:
    net::Sinks sinks() { return {this, this, this, this, this, this}; }

    void addChatLine(const net::ChatLine& line) override { lines.append(line); }
    void playSoundEvent(int event) override { sounds.append(event); }
    bool conversationExists(const QString& name) const override
    {
        return conversations.contains(name);
    }
    QStringList conversationNames() const override { return conversations; }
    void renameConversation(const QString& from, const QString& to) override
    {
        renames.append(from + QStringLiteral("->") + to);
        const qsizetype i = conversations.indexOf(from);
        if (i >= 0)
            conversations[i] = to;
    }
    void receiveMessage(const QString& caption, const QString& text) override
    {
        messages.append(caption + QLatin1Char('|') + text);
    }
    bool showInformation(const QString& window, const net::InfoReply& reply) override
    {
        infoWindows.append(window);
        info.append(reply);
        return window == QStringLiteral("N");
    }
    bool channelsWindowOpen() const override { return channelsOpen; }
    void addCreatedChannels(const QStringList& list) override { createdChannels += list; }
    void subjectChanged() override { ++subjectChanges; }
    void ownNickChanged() override {}

    QStringList conversations{QStringLiteral("#Main")};
    QList<net::ChatLine> lines;
    QList<int> sounds;
    QStringList renames;
    QStringList messages;
    QStringList infoWindows;
    QList<net::InfoReply> info;
    bool channelsOpen = false;
    QStringList createdChannels;
    int subjectChanges = 0;
};

} // namespace quorvelle::testing
