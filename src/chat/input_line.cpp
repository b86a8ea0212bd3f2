#include "chat/input_line.h"

#include "chat/chat_session.h"
#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "chat/say_nick.h"
#include "settings/settings.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace quorvelle::chat {

InputLine::InputLine(QLineEdit* edit, ChatSession& session, ConversationTabs& tabs, QObject* parent)
    : QObject(parent), m_edit(edit), m_session(session), m_tabs(tabs)
{
    edit->installEventFilter(this);
    connect(&tabs, &ConversationTabs::viewHovered, this, &InputLine::ChanelMouseMove);
}

void InputLine::load(const settings::Settings& s)
{
    m_macros.clear();
    for (int i = 1; i <= settings::MacroCount; ++i)
        m_macros.append(s.text(settings::key::Macro.at(i)));
}

void InputLine::save(settings::Settings& s) const
{
    for (int i = 1; i <= settings::MacroCount; ++i)
        s.setText(settings::key::Macro.at(i), m_macros.value(i - 1));
}

void InputLine::SayNick(const QString& nick)
{
    const SayNickResult r = SayNickEdit(m_edit->text(), m_edit->cursorPosition(), nick);
    m_edit->setText(r.text);
    m_edit->setCursorPosition(r.caret);
}

bool InputLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session.actions().SendChatLine(m_session.conversations().currentName(), m_edit->text());
        m_edit->clear();
        return true;
    case Qt::Key_Escape:
        if (m_edit->text().isEmpty())
            emit hideRequested();
        else
            m_edit->clear();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (ConversationView* view = m_tabs.currentView())
            view->verticalScrollBar()->triggerAction(key->key() == Qt::Key_PageUp
                                                         ? QAbstractSlider::SliderPageStepSub
                                                         : QAbstractSlider::SliderPageStepAdd);
        return true;
    default:
        return false;
    }
}

void InputLine::ChanelMouseMove(ConversationView* view)
{
    // Only while the user works in this window: never take the keyboard from
    // another program, nor from a selection being made in the view.
    if (m_edit->isActiveWindow() && !m_edit->hasFocus() && !view->hasFocus())
        m_edit->setFocus();
}

} // namespace quorvelle::chat
