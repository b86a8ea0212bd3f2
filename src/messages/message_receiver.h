#pragma once

// What happens to a popup message that arrives, before and besides its window:
// nothing at all while Offline; otherwise the sender gets the confirmation with
// the own status (for mass messages too), the archive gets the record (with
// "Logging > Messages" on), #Main gets the notice (with "Receive Message" on) and
// the sound plays. Then the message goes to whoever shows it.

#include "net/sinks.h"

#include <QDateTime>
#include <functional>

namespace quorvelle::chat {
class ChatSession;
}

namespace quorvelle::messages {

struct IncomingMessage
{
    QString caption; // "<- nick" or "<= nick"
    QString sender;
    QString text;
    QDateTime received;
    bool mass = false;
};

class MessageReceiver : public net::MessageSink
{
public:
    using Show = std::function<void(const IncomingMessage&)>;
    MessageReceiver(chat::ChatSession& session, Show show,
                    std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    // MessageSink
    void receiveMessage(const QString& caption, const QString& text) override;

private:
    chat::ChatSession& m_session;
    Show m_show;
    std::function<QDateTime()> m_clock;
};

} // namespace quorvelle::messages
