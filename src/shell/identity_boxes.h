#pragma once

// The nick box with its history menu, and the subject box. Both show the session's
// value, apply a new one on Enter and put the current value back on Esc or when
// the focus moves to another box; Esc on an unchanged box hides the window. They are the
// session sink: the protocol tells them when the nick or the subject changed.

#include "net/sinks.h"

#include <QObject>
#include <functional>

class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace quorvelle::chat {
class ChatSession;
}

namespace quorvelle::shell {

class MainMenu;

class IdentityBoxes : public QObject, public net::SessionSink
{
    Q_OBJECT

public:
    static constexpr int SubjectMaxLength = 500;

    IdentityBoxes(QLineEdit* nickBox, QToolButton* historyButton, QGroupBox* subjectBox,
                  QPlainTextEdit* subjectText, MainMenu& menu, chat::ChatSession& session,
                  QObject* parent = nullptr);

    // SessionSink: shows the state's values (also right after the state was loaded).
    void subjectChanged() override;
    void ownNickChanged() override;

signals:
    void hideRequested();
    // A box was applied with Enter: the input line takes the keyboard back.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool boxKey(const QKeyEvent& key, bool changed, const std::function<void()>& restore,
                const std::function<void()>& apply);
    void refreshNickHistory();

    QLineEdit* m_nick;
    QGroupBox* m_subjectBox;
    QPlainTextEdit* m_subject;
    MainMenu& m_menu;
    chat::ChatSession& m_session;
};

} // namespace quorvelle::shell
