#pragma once

// One running peer: the net session, the conversations, the log writer and the
// line output, put together once for the desktop program and the headless peer.
// It is the conversations' sink itself; the other sinks (messages, information,
// channels, sounds, the nick and subject) are plugged in by the parts that own
// them.

#include "chat/chat_output.h"
#include "chat/conversation_set.h"
#include "chat/log_writer.h"
#include "net/net_session.h"
#include "settings/session_state.h"
#include "transfer/file_transfers.h"

#include <QObject>

namespace quorvelle::chat {

class ChatSession : public QObject, private net::ConversationSink, private net::PresenceSink
{
    Q_OBJECT

public:
    ChatSession(settings::SessionState& state, const QByteArray& codepage,
                net::MachineInfo machine = net::MachineInfo::system(),
                std::function<QDateTime()> clock = &QDateTime::currentDateTime,
                QObject* parent = nullptr);

    settings::SessionState& state() { return m_state; }
    net::NetSession& net() { return m_net; }
    net::OutgoingActions& actions() { return m_net.actions(); }
    net::Sinks& sinks() { return m_net.sinks(); }
    ConversationSet& conversations() { return m_conversations; }
    ChatOutput& output() { return m_output; }
    LogWriter& logs() { return m_logs; }
    transfer::FileTransfers& transfers() { return m_transfers; }

    // Packets, logs, the archive and file names from now on.
    void setCodepage(const QByteArray& codepage);

    // Loads the broadcast table and opens the sockets (the file port one below the
    // UDP port); false when the UDP port could not be bound.
    bool open(quint16 port, const QStringList& addrList);
    // #Main first, then the channels (names without "#" are skipped), each with
    // its date header in the log.
    void RestoreConversations(const QStringList& channels);
    // The last steps of the start: a fresh users list and the subject.
    void GreetNet();
    // Opens a channel or private chat for the user and makes it current.
    void OpenForUser(const QString& name);

    // The exit: leaves every conversation, last tab first and the net last, and
    // stops reading. Runs once; false when it had run already.
    bool Leave();
    bool leaving() const { return m_leaving; }

signals:
    // A peer took another nick: windows that name it follow.
    void peerRenamed(const QString& from, const QString& to);
    // A line shown in a conversation, as composed (stamp and nick prefix included).
    void lineShown(const QString& conversation, const QString& line);
    // A peer came to the net ("@") or left it ("$").
    void peerJoinedNet(const QString& nick);
    void peerLeftNet(const QString& nick);

private:
    // ConversationSink
    void addChatLine(const net::ChatLine& line) override;
    bool conversationExists(const QString& name) const override;
    QStringList conversationNames() const override;
    void renameConversation(const QString& from, const QString& to) override;
    // PresenceSink
    void peerJoined(const QString& nick) override { emit peerJoinedNet(nick); }
    void peerLeft(const QString& nick) override { emit peerLeftNet(nick); }

    settings::SessionState& m_state;
    net::NetSession m_net;
    ConversationSet m_conversations;
    LogWriter m_logs;
    ChatOutput m_output;
    transfer::FileTransfers m_transfers;
    bool m_leaving = false;
};

} // namespace quorvelle::chat
