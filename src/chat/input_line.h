#pragma once

// The input line under the conversations. In single-line mode Enter sends the
// line to the current conversation and Up/Down walk the sent lines; once the line
// is two text lines high (multi-line mode) Enter breaks the line and Ctrl+Enter,
// Ctrl+PageUp and Ctrl+PageDown take those parts. Esc empties it, or hides the
// window when it is empty; PageUp and PageDown scroll the current conversation.
// It also keeps the twelve macros of F1 .. F12, and warns, with the picture beside
// it, of characters the net's code page cannot carry.

#include "chat/line_history.h"

#include <QObject>
#include <QPixmap>
#include <QStringList>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;

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
    // The longest chat line the net carries.
    static constexpr int MaxLength = 8188;
    // The text's margin in the box: one text line fits the input panel's least height.
    static constexpr int TextMargin = 1;

    InputLine(QPlainTextEdit* edit, QLabel* marker, ChatSession& session, ConversationTabs& tabs,
              QObject* parent = nullptr);

    QPlainTextEdit* edit() const { return m_edit; }
    QString text() const;
    void setText(const QString& text);

    // The twelve macros (F1 .. F12).
    void load(const settings::Settings& settings);
    void save(settings::Settings& settings) const;
    const QStringList& macros() const { return m_macros; }
    void ToMacroClick(int n); // macro n (1..12) := the line

    // Whether the line is high enough for two text lines; re-evaluated whenever
    // its height or font changes.
    bool multiLine() const { return m_multiLine; }

    void SendLine1Click();
    void ClearLine1Click();
    void PrevLineClick();
    void NextLineClick();
    void scrollConversation(bool pageUp);
    // "Say Nick": the nick and ": " go before the typed text.
    void SayNick(const QString& nick);

signals:
    void hideRequested();
    void keyModeChanged(bool multiLine);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(const QKeyEvent& key);
    void SnStSplitMoved();
    void ChanelMouseMove(ConversationView* view);
    void checkCodepage();

    QPlainTextEdit* m_edit;
    QLabel* m_marker;
    QPixmap m_markerPicture;
    QString m_unmappable;
    ChatSession& m_session;
    ConversationTabs& m_tabs;
    QStringList m_macros;
    LineHistory m_history;
    bool m_multiLine = false;
};

} // namespace quorvelle::chat
