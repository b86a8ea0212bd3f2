#pragma once

// A peer without windows: joins the net, prints every line it would show, and
// takes simple commands. Scripts, terminals and the multi-host tests use it.

#include "chat/chat_session.h"
#include "cli/net_options.h"
#include "messages/message_receiver.h"
#include "settings/session_state.h"

#include <QObject>
#include <QTextStream>

namespace quorvelle::cli {

struct PeerOptions : NetOptions
{
    QStringList channels;   // joined at start besides #Main
    QString logsDirectory;  // empty: no logs
    QString filesDirectory; // received files; empty: every incoming file is refused
    bool trace = false;     // print every packet that arrives
};

class HeadlessPeer : public QObject,
                     private chat::ChatOutputView,
                     private net::InformationSink,
                     private net::ChannelsSink,
                     private net::SessionSink
{
    Q_OBJECT

public:
    HeadlessPeer(settings::SessionState& state, const PeerOptions& options, QTextStream& out,
                 QObject* parent = nullptr);

    // Opens the sockets and runs the start-up announcements; false when the port
    // cannot be bound.
    bool start();
    // One command line from the user; false once the peer has quit.
    bool execute(const QString& command);
    // Takes leave of every conversation, last tab first, then of the net.
    void quit();

    chat::ChatSession& session() { return m_session; }

signals:
    void finished();

private:
    bool showInformation(const QString& window, const net::InfoReply& reply) override;
    bool channelsWindowOpen() const override { return true; }
    void addCreatedChannels(const QStringList& channels) override;
    void subjectChanged() override;
    void ownNickChanged() override;
    // ChatOutputView
    void appendLines(int index, const QStringList& lines, net::LineColour colour,
                     bool markup) override;

    void print(const QStringList& fields);
    void printTransfer(transfer::Direction direction, const transfer::TransferInfo& info,
                       int fields);
    QChar statusOf(const QString& nick);

    settings::SessionState& m_state;
    PeerOptions m_options;
    QTextStream& m_out;
    chat::ChatSession m_session;
    messages::MessageReceiver m_messages;
};

} // namespace quorvelle::cli
