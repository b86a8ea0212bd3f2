#pragma once

// One face for the program's text boxes (line edits, plain and rich text edits),
// so the edit menus, macros, smiles, colour codes and the layout conversion work
// the same on each of them.

#include <QPointer>
#include <QWidget>

namespace quorvelle::chat {

class TextBox
{
public:
    // Null for a widget that is no text box.
    explicit TextBox(QWidget* widget = nullptr);

    explicit operator bool() const { return !m_widget.isNull(); }
    QWidget* widget() const { return m_widget; }

    QString text() const;
    void setText(const QString& text);
    int caret() const;
    void setCaret(int position);
    bool isReadOnly() const;
    // Rich text boxes can redo, and take inserted text in front of the selection.
    bool isRich() const;
    // Makes a plain text edit count as a rich text box (the input line).
    static void markRich(QWidget* widget);
    bool hasSelection() const;
    int selectionStart() const;
    int selectionEnd() const;
    bool canUndo() const;
    bool canRedo() const;

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    // Replaces the selection by the text and puts the caret behind it, within the
    // box's length limit.
    void insert(const QString& text);

private:
    QPointer<QWidget> m_widget;
};

// Keeps a plain or rich text edit to at most maxLength characters, whether the
// text was typed, pasted or inserted from a menu: the rest is cut off.
void LimitLength(QWidget* box, int maxLength);

} // namespace quorvelle::chat
