#pragma once

// The one way text reaches a conversation: finds the target (opening a private
// chat on a peer's first line), composes stamp and nick prefix, logs, marks the
// tab unread and raises the new-line events. What is drawn, and how the window
// pops up, is the view's part.

#include "chat/conversation_set.h"
#include "chat/log_writer.h"
#include "net/sinks.h"

#include <QDateTime>
#include <functional>

namespace quorvelle::settings {
struct SessionState;
}

namespace quorvelle::chat {

// The window side of line output. The headless peer prints; the main window draws.
class ChatOutputView
{
public:
    virtual ~ChatOutputView() = default;
    // Popup and tray flashing for a line that asks for attention.
    virtual void newLineEvents() {}
    // The composed lines of one appended text (an empty list for an empty text).
    // markup: colour codes and smiles rendered, else shown as they are.
    virtual void appendLines(int index, const QStringList& lines, net::LineColour colour,
                             bool markup) = 0;
    virtual void showTrayHint(const QStringList& lines, bool markup)
    {
        Q_UNUSED(lines);
        Q_UNUSED(markup);
    }
    // The newest lines of a conversation's log, shown as the past above its first line.
    virtual void showRecentHistory(int index, const QStringList& lines)
    {
        Q_UNUSED(index);
        Q_UNUSED(lines);
    }
    // A conversation opened with activation: show the window first if hidden.
    virtual void activateConversation(int index) { Q_UNUSED(index); }
};

class ChatOutput
{
public:
    // Lines are drawn once a view is set; the chat line sound goes to the sinks'
    // sound player.
    ChatOutput(settings::SessionState& state, ConversationSet& conversations, const LogWriter& logs,
               const net::Sinks& sinks, QString caption,
               std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    void setView(ChatOutputView* view) { m_view = view; }
    // Told every composed line shown in a conversation, view or not.
    void setLineObserver(std::function<void(const QString&, const QString&)> observer)
    {
        m_observer = std::move(observer);
    }

    void AddChatLine(const net::ChatLine& line);

    // Creates the conversation with its opening line; nothing when it exists.
    void OpenConversation(const QString& name, bool activate, net::ConversationKind kind);
    // "\r\n[date]" into the conversation's log, whatever the switches say.
    void writeDateHeader(const QString& name);
    // Empties nothing itself: the view clears, then this appends "Window cleared".
    void windowCleared();

private:
    void append(int index, const QString& text, const QString& nick, net::LineColour colour,
                bool withNick, bool withTime, bool markup = true);
    bool logged(int index) const;

    settings::SessionState& m_state;
    ConversationSet& m_conversations;
    const LogWriter& m_logs;
    const net::Sinks& m_sinks;
    ChatOutputView* m_view = nullptr;
    std::function<void(const QString& conversation, const QString& line)> m_observer;
    QString m_caption;
    std::function<QDateTime()> m_clock;
};

} // namespace quorvelle::chat
