#include "chat/fix_selection.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

namespace quorvelle::chat {

namespace {

qsizetype TrimmedLength(const QString& selected)
{
    qsizetype keep = selected.size();
    while (keep > 0 && selected[keep - 1].isSpace())
        --keep;
    return keep;
}

} // namespace

bool FixSelection(QTextCursor& cursor)
{
    const QString selected = cursor.selectedText();
    const qsizetype keep = TrimmedLength(selected);
    if (keep == selected.size() || keep == 0)
        return false;
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(start + int(keep), QTextCursor::KeepAnchor);
    return true;
}

void FixSelection(QLineEdit* edit)
{
    const QString selected = edit->selectedText();
    const qsizetype keep = TrimmedLength(selected);
    if (keep != selected.size() && keep > 0)
        edit->setSelection(edit->selectionStart(), int(keep));
}

void FixSelectionOnDoubleClick::watch(QWidget* box)
{
    // A plain text edit takes its mouse events on the viewport.
    if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        text->viewport()->installEventFilter(this);
    else
        box->installEventFilter(this);
}

bool FixSelectionOnDoubleClick::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        // After the box has selected the word.
        QTimer::singleShot(0, watched, [watched] {
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
                FixSelection(edit);
            } else if (auto* text = qobject_cast<QPlainTextEdit*>(watched->parent())) {
                QTextCursor cursor = text->textCursor();
                if (FixSelection(cursor))
                    text->setTextCursor(cursor);
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvelle::chat
