#include "chat/input_line.h"

#include "chat/chat_session.h"
#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "chat/say_nick.h"
#include "chat/text_box.h"
#include "settings/settings.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>

namespace quorvelle::chat {

InputLine::InputLine(QPlainTextEdit* edit, QLabel* marker, ChatSession& session,
                     ConversationTabs& tabs, QObject* parent)
    : QObject(parent), m_edit(edit), m_marker(marker), m_session(session), m_tabs(tabs)
{
    connect(edit, &QPlainTextEdit::textChanged, this, &InputLine::checkCodepage);
    edit->installEventFilter(this);
    edit->document()->setDocumentMargin(TextMargin);
    edit->setMouseTracking(true);
    edit->viewport()->installEventFilter(this);
    marker->installEventFilter(this); // a click on the picture sends the line
    TextBox::markRich(edit);
    connect(&tabs, &ConversationTabs::viewHovered, this, &InputLine::ChanelMouseMove);
    // The net carries no longer line.
    LimitLength(edit, MaxLength);
}

QString InputLine::text() const
{
    return m_edit->toPlainText();
}

void InputLine::setText(const QString& text)
{
    m_edit->setPlainText(text);
    m_edit->moveCursor(QTextCursor::End);
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

void InputLine::ToMacroClick(int n)
{
    if (n >= 1 && n <= m_macros.size())
        m_macros[n - 1] = text();
}

void InputLine::SendLine1Click()
{
    const QString line = text();
    if (line.isEmpty())
        return;
    m_history.store(line);
    m_session.actions().SendChatLine(m_session.conversations().currentName(), line);
    m_edit->clear();
}

void InputLine::ClearLine1Click()
{
    if (text().isEmpty())
        emit hideRequested();
    else
        m_edit->clear();
}

void InputLine::PrevLineClick()
{
    if (m_history.count() > 0)
        setText(m_history.previous());
}

void InputLine::NextLineClick()
{
    if (m_history.count() > 0)
        setText(m_history.next());
}

void InputLine::scrollConversation(bool pageUp)
{
    if (ConversationView* view = m_tabs.currentView())
        view->verticalScrollBar()->triggerAction(pageUp ? QAbstractSlider::SliderPageStepSub
                                                        : QAbstractSlider::SliderPageStepAdd);
}

void InputLine::SayNick(const QString& nick)
{
    const SayNickResult r = SayNickEdit(text(), m_edit->textCursor().position(), nick);
    m_edit->setPlainText(r.text);
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(r.caret);
    m_edit->setTextCursor(cursor);
}

bool InputLine::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_edit)
            return handleKey(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_marker && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            m_marker->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            SendLine1Click();
            return true;
        }
        break;
    case QEvent::Resize:
    case QEvent::FontChange:
        if (watched == m_edit)
            SnStSplitMoved();
        break;
    case QEvent::MouseMove:
        // The pointer over the line gives it the keyboard while the user works here.
        if (m_edit->isActiveWindow() && !m_edit->hasFocus())
            m_edit->setFocus();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool InputLine::handleKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    // The keys that move between the two modes.
    const bool modeKey = m_multiLine ? ctrl : plain;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (modeKey) {
            SendLine1Click();
            return true;
        }
        return ctrl; // Ctrl+Enter in single-line mode does nothing
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!m_multiLine && plain) {
            key.key() == Qt::Key_Up ? PrevLineClick() : NextLineClick();
            return true;
        }
        return false;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (m_multiLine && ctrl) {
            key.key() == Qt::Key_PageUp ? PrevLineClick() : NextLineClick();
            return true;
        }
        if (plain) {
            scrollConversation(key.key() == Qt::Key_PageUp);
            return true;
        }
        return false;
    case Qt::Key_Escape:
        if (plain) {
            ClearLine1Click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void InputLine::SnStSplitMoved()
{
    // One line unit is the height of "ЩЩЩ"; two fit when the line is at least two high.
    const int unit = m_edit->fontMetrics().boundingRect(QStringLiteral("ЩЩЩ")).height();
    const bool multi = m_edit->height() - unit >= unit;
    if (multi == m_multiLine)
        return;
    m_multiLine = multi;
    emit keyModeChanged(multi);
}

void InputLine::checkCodepage()
{
    const QString missing = m_session.net().wireText().unmappable(text());
    if (missing == m_unmappable)
        return;
    if (m_unmappable.isEmpty())
        m_markerPicture = m_marker->pixmap();
    m_unmappable = missing;
    if (missing.isEmpty()) {
        m_marker->setPixmap(m_markerPicture);
        m_marker->setToolTip(QString());
        m_edit->setToolTip(QString());
        return;
    }
    const QString warning =
        tr("The code page %1 cannot carry %2: they will go out as \"?\".")
            .arg(QString::fromLatin1(m_session.net().wireText().codepage()), missing);
    m_marker->setPixmap(
        m_marker->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(18, 18));
    m_marker->setToolTip(warning);
    m_edit->setToolTip(warning);
}

void InputLine::ChanelMouseMove(ConversationView* view)
{
    // Only while the user works in this window: never take the keyboard from
    // another program, nor from a selection being made in the view.
    if (m_edit->isActiveWindow() && !m_edit->hasFocus() && !view->hasFocus())
        m_edit->setFocus();
}

} // namespace quorvelle::chat
