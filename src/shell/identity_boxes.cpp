#include "shell/identity_boxes.h"

#include "chat/chat_session.h"
#include "chat/text_box.h"
#include "shell/main_menu.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;

IdentityBoxes::IdentityBoxes(QLineEdit* nickBox, QToolButton* historyButton, QGroupBox* subjectBox,
                             QPlainTextEdit* subjectText, MainMenu& menu,
                             chat::ChatSession& session, QObject* parent)
    : QObject(parent), m_nick(nickBox), m_subjectBox(subjectBox), m_subject(subjectText),
      m_menu(menu), m_session(session)
{
    m_nick->installEventFilter(this);
    m_subject->installEventFilter(this);
    chat::LimitLength(m_subject, SubjectMaxLength);
    historyButton->setMenu(menu.nickHistory());
    connect(menu.nickHistory(), &QMenu::aboutToShow, this, &IdentityBoxes::refreshNickHistory);
    for (size_t i = 0; i < menu.nicks.size(); ++i)
        connect(menu.nicks[i], &QAction::triggered, this, [this, i] {
            const QString nick = m_session.state().nickHistory.value(qsizetype(i));
            if (!nick.isEmpty())
                m_session.actions().ChangeNickFromHistory(nick);
        });
    connect(menu.Clear1, &QAction::triggered, this,
            [this] { m_session.state().nickHistory = QStringList(settings::NickHistorySize); });
}

void IdentityBoxes::subjectChanged()
{
    const settings::SessionState& s = m_session.state();
    m_subjectBox->setTitle(tr(" Subject by %1 %2 ").arg(s.SubjectAuthor, s.SubjectTime));
    if (!m_subject->hasFocus())
        m_subject->setPlainText(s.SubjectText);
}

void IdentityBoxes::ownNickChanged()
{
    m_nick->setText(m_session.state().MyNick);
}

void IdentityBoxes::refreshNickHistory()
{
    // Only entries that hold a nick are listed. Every entry stays an action of the
    // window, so Ctrl+1 .. Ctrl+0 work whether or not the menu was ever opened.
    QMenu* menu = m_menu.nickHistory();
    for (QAction* entry : m_menu.nicks)
        menu->removeAction(entry);
    QAction* first = menu->actions().value(0);
    for (size_t i = 0; i < m_menu.nicks.size(); ++i) {
        const QString nick = m_session.state().nickHistory.value(qsizetype(i));
        if (nick.isEmpty())
            continue;
        m_menu.nicks[i]->setText(nick);
        menu->insertAction(first, m_menu.nicks[i]);
    }
}

bool IdentityBoxes::eventFilter(QObject* watched, QEvent* event)
{
    const settings::SessionState& s = m_session.state();
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == m_nick)
            return boxKey(
                key, m_nick->text() != s.MyNick, [this] { ownNickChanged(); },
                [this] { m_session.actions().RequestNickChange(m_nick->text()); });
        if (watched == m_subject)
            return boxKey(
                key, m_subject->toPlainText() != s.SubjectText.left(SubjectMaxLength),
                [this] { m_subject->setPlainText(m_session.state().SubjectText); },
                [this] { m_session.actions().SetSubject(m_subject->toPlainText()); });
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving a box without Enter for another box puts the current value back.
        // The box's own menu acts on the typed text, and a visit to another
        // window keeps it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            return QObject::eventFilter(watched, event);
        if (watched == m_nick && !s.NickChangePending)
            ownNickChanged();
        else if (watched == m_subject)
            m_subject->setPlainText(s.SubjectText);
    }
    return QObject::eventFilter(watched, event);
}

// Esc puts the current value back, or hides the window when there is nothing to
// put back; Enter applies the box.
bool IdentityBoxes::boxKey(const QKeyEvent& key, bool changed, const std::function<void()>& restore,
                           const std::function<void()>& apply)
{
    if (key.key() == Qt::Key_Escape) {
        if (changed)
            restore();
        else
            emit hideRequested();
        return true;
    }
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        apply();
        emit finished();
        return true;
    }
    return false;
}

} // namespace quorvelle::shell
