#pragma once

// The users list of the main window: a view of the users registry with a status
// picture and the nick drawn as plain text, grouped by status.

#include "presence/status.h"

#include <QListView>
#include <QStyledItemDelegate>
#include <optional>

namespace quorvelle::shell {

// Which items of the users popup are enabled, for the list's state.
struct UserPopupEnabling
{
    bool message = false;
    bool chat = false;
    bool beep = false;
    bool sayNick = false;
    bool info = false;
    bool sendFile = false;
    bool mass = false;
};
UserPopupEnabling UserPopupPopup(bool listEmpty, QChar selectedStatus, presence::Status myStatus);

// The refresh interval typed into its dialog: digits only (anything else changes
// nothing), at most the first five, empty changes nothing.
std::optional<int> ParseUpdateInterval(const QString& text);

// Draws one item: the status picture (the highlighted set for the focused
// selection) and a box just as wide as the nick.
class UsersListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class TUsersList : public QListView
{
    Q_OBJECT

public:
    explicit TUsersList(QWidget* parent = nullptr);

    // False on an empty list; otherwise makes sure a valid item is selected.
    bool EnsureUserSelected();
    int selectedRow() const;
    QString selectedNick() const;
    QChar selectedStatus() const;
    // Moves the selection by delta rows, wrapping from the last to the first and
    // back; nothing on an empty list.
    void moveSelection(int delta);

signals:
    void messageRequested();     // double-click on a user
    void massMessageRequested(); // double-click on empty space
    void popupRequested(const QPoint& globalPos);
    void escapePressed();
    void focusChanged(bool focused);
    // Files dropped on a user: to be sent to that user.
    void filesDropped(const QString& nick, const QStringList& files);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace quorvelle::shell
