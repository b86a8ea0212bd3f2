#include "chat/fix_selection.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>
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

namespace {

template <typename TextEdit> void FixSelectionIn(TextEdit* text)
{
    QTextCursor cursor = text->textCursor();
    if (FixSelection(cursor))
        text->setTextCursor(cursor);
}

} // namespace

void FixSelectionOnDoubleClick::watch(QWidget* box)
{
    // A text edit takes its mouse events on the viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(box))
        area->viewport()->installEventFilter(this);
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
            } else if (auto* plain = qobject_cast<QPlainTextEdit*>(watched->parent())) {
                FixSelectionIn(plain);
            } else if (auto* rich = qobject_cast<QTextEdit*>(watched->parent())) {
                FixSelectionIn(rich);
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvelle::chat
