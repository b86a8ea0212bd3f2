#pragma once

// After a double click has selected a word, the spaces after it leave the
// selection, so a copied or replaced word does not take them along.

#include <QObject>

class QLineEdit;
class QTextCursor;
class QWidget;

namespace quorvelle::chat {

// Trims the selection; true when it changed.
bool FixSelection(QTextCursor& cursor);
void FixSelection(QLineEdit* edit);

// Applies FixSelection after every double click in the boxes it watches (line
// edits and text edits).
class FixSelectionOnDoubleClick : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    void watch(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quorvelle::chat
