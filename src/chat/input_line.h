#pragma once

// The input line under the conversations: Enter sends the line to the current
// conversation, Esc empties it (or hides the window when it is empty), PageUp and
// PageDown scroll the current conversation, and the pointer over a conversation
// brings the keyboard back here.

#include <QObject>
#include <QStringList>

class QLineEdit;

namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::chat {

class ChatSession;
class ConversationTabs;
class ConversationView;

class InputLine : public QObject
{
    Q_OBJECT

public:
    InputLine(QLineEdit* edit, ChatSession& session, ConversationTabs& tabs,
              QObject* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    // The twelve macros (F1 .. F12).
    void load(const settings::Settings& settings);
    void save(settings::Settings& settings) const;
    // "Say Nick": the nick and ": " go before the typed text.
    void SayNick(const QString& nick);

signals:
    void hideRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChanelMouseMove(ConversationView* view);

    QLineEdit* m_edit;
    ChatSession& m_session;
    ConversationTabs& m_tabs;
    QStringList m_macros;
};

} // namespace quorvelle::chat
