#include "chat/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <type_traits>

namespace quorvelle::chat {

namespace {

// Runs the call that fits the box's kind.
template <typename Line, typename Plain, typename Rich>
auto Visit(QWidget* widget, Line line, Plain plain, Rich rich)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return line(edit);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return plain(edit);
    return rich(qobject_cast<QTextEdit*>(widget));
}

// Plain and rich text edits share their cursor calls.
template <typename Call> auto OnText(QWidget* widget, Call call)
{
    return Visit(
        widget, [&](QLineEdit*) { return decltype(call(QTextCursor()))(); },
        [&](QPlainTextEdit* e) { return call(e->textCursor()); },
        [&](QTextEdit* e) { return e ? call(e->textCursor()) : decltype(call(QTextCursor()))(); });
}

} // namespace

TextBox::TextBox(QWidget* widget)
{
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
        qobject_cast<QTextEdit*>(widget))
        m_widget = widget;
}

QString TextBox::text() const
{
    return Visit(
        m_widget, [](QLineEdit* e) { return e->text(); },
        [](QPlainTextEdit* e) { return e->toPlainText(); },
        [](QTextEdit* e) { return e ? e->toPlainText() : QString(); });
}

void TextBox::setText(const QString& text)
{
    Visit(
        m_widget, [&](QLineEdit* e) { e->setText(text); },
        [&](QPlainTextEdit* e) { e->setPlainText(text); },
        [&](QTextEdit* e) {
            if (e)
                e->setPlainText(text);
        });
}

int TextBox::caret() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_widget))
        return e->cursorPosition();
    return OnText(m_widget, [](const QTextCursor& c) { return c.position(); });
}

void TextBox::setCaret(int position)
{
    Visit(
        m_widget, [&](QLineEdit* e) { e->setCursorPosition(position); },
        [&](QPlainTextEdit* e) {
            QTextCursor c = e->textCursor();
            c.setPosition(qBound(0, position, int(e->document()->characterCount()) - 1));
            e->setTextCursor(c);
        },
        [&](QTextEdit* e) {
            if (!e)
                return;
            QTextCursor c = e->textCursor();
            c.setPosition(qBound(0, position, int(e->document()->characterCount()) - 1));
            e->setTextCursor(c);
        });
}

bool TextBox::isReadOnly() const
{
    return Visit(
        m_widget, [](QLineEdit* e) { return e->isReadOnly(); },
        [](QPlainTextEdit* e) { return e->isReadOnly(); },
        [](QTextEdit* e) { return !e || e->isReadOnly(); });
}

namespace {
constexpr char RichProperty[] = "quorvelleRichBox";
}

bool TextBox::isRich() const
{
    return qobject_cast<QTextEdit*>(m_widget) ||
           (m_widget && m_widget->property(RichProperty).toBool());
}

void TextBox::markRich(QWidget* widget)
{
    widget->setProperty(RichProperty, true);
}

bool TextBox::hasSelection() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_widget))
        return e->hasSelectedText();
    return OnText(m_widget, [](const QTextCursor& c) { return c.hasSelection(); });
}

int TextBox::selectionStart() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_widget))
        return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    return OnText(m_widget, [](const QTextCursor& c) { return c.selectionStart(); });
}

int TextBox::selectionEnd() const
{
    if (auto* e = qobject_cast<QLineEdit*>(m_widget))
        return e->hasSelectedText() ? e->selectionEnd() : e->cursorPosition();
    return OnText(m_widget, [](const QTextCursor& c) { return c.selectionEnd(); });
}

bool TextBox::canUndo() const
{
    return Visit(
        m_widget, [](QLineEdit* e) { return e->isUndoAvailable(); },
        [](QPlainTextEdit* e) { return e->document()->isUndoAvailable(); },
        [](QTextEdit* e) { return e && e->document()->isUndoAvailable(); });
}

bool TextBox::canRedo() const
{
    auto* e = qobject_cast<QTextEdit*>(m_widget);
    return e && e->document()->isRedoAvailable();
}

void TextBox::undo()
{
    Visit(
        m_widget, [](QLineEdit* e) { e->undo(); }, [](QPlainTextEdit* e) { e->undo(); },
        [](QTextEdit* e) {
            if (e)
                e->undo();
        });
}

void TextBox::redo()
{
    if (auto* e = qobject_cast<QTextEdit*>(m_widget))
        e->redo();
}

void TextBox::cut()
{
    Visit(
        m_widget, [](QLineEdit* e) { e->cut(); }, [](QPlainTextEdit* e) { e->cut(); },
        [](QTextEdit* e) {
            if (e)
                e->cut();
        });
}

void TextBox::copy()
{
    Visit(
        m_widget, [](QLineEdit* e) { e->copy(); }, [](QPlainTextEdit* e) { e->copy(); },
        [](QTextEdit* e) {
            if (e)
                e->copy();
        });
}

void TextBox::paste()
{
    Visit(
        m_widget, [](QLineEdit* e) { e->paste(); }, [](QPlainTextEdit* e) { e->paste(); },
        [](QTextEdit* e) {
            if (e)
                e->paste();
        });
}

void TextBox::deleteSelection()
{
    if (auto* e = qobject_cast<QLineEdit*>(m_widget))
        e->del();
    else
        OnText(m_widget, [&](QTextCursor c) {
            c.removeSelectedText();
            return 0;
        });
}

void TextBox::selectAll()
{
    Visit(
        m_widget, [](QLineEdit* e) { e->selectAll(); }, [](QPlainTextEdit* e) { e->selectAll(); },
        [](QTextEdit* e) {
            if (e)
                e->selectAll();
        });
}

void TextBox::insert(const QString& text)
{
    if (text.isEmpty() || isReadOnly())
        return;
    // QLineEdit keeps its own length limit; the text edits are limited by their owners.
    Visit(
        m_widget, [&](QLineEdit* e) { e->insert(text); },
        [&](QPlainTextEdit* e) { e->insertPlainText(text); },
        [&](QTextEdit* e) {
            if (e)
                e->insertPlainText(text);
        });
}

void LimitLength(QWidget* box, int maxLength)
{
    const auto cut = [maxLength](auto* edit) {
        QObject::connect(
            edit, &std::remove_pointer_t<decltype(edit)>::textChanged, edit, [edit, maxLength] {
                // What the program shows read-only is not typed.
                if (edit->isReadOnly() || edit->document()->characterCount() - 1 <= maxLength)
                    return;
                QTextCursor cursor(edit->document());
                cursor.setPosition(maxLength);
                cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            });
    };
    Visit(
        box, [&](QLineEdit* e) { e->setMaxLength(maxLength); }, [&](QPlainTextEdit* e) { cut(e); },
        [&](QTextEdit* e) {
            if (e)
                cut(e);
        });
}

} // namespace quorvelle::chat
