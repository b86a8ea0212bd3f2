#include "shell/users_list.h"

#include "presence/users_registry.h"
#include "shell/image_list.h"
#include "transfer/dropped_files.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QPainter>

namespace quorvelle::shell {

using presence::UsersRegistry;

UserPopupEnabling UserPopupPopup(bool listEmpty, QChar selectedStatus, presence::Status myStatus)
{
    if (listEmpty)
        return {};
    const bool meOnline = myStatus != presence::Status::Offline;
    const bool personal = meOnline && !presence::IsOffline(selectedStatus);
    return UserPopupEnabling{personal, personal, personal, personal, personal, personal, meOnline};
}

std::optional<int> ParseUpdateInterval(const QString& text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const QString digits = text.left(5);
    if (digits.isEmpty())
        return std::nullopt;
    return digits.toInt();
}

namespace {

QChar statusOf(const QModelIndex& index)
{
    const QString status = index.data(UsersRegistry::StatusRole).toString();
    return status.isEmpty() ? QChar(u'0') : status[0];
}

} // namespace

void UsersListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const QPalette& palette = option.palette;
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = selected && view && view->hasFocus();

    painter->save();
    painter->fillRect(r, palette.color(QPalette::Base));

    const int status = qBound(0, statusOf(index).digitValue(), 3);
    const QIcon icon = ImageList::icon(status + (focused ? 4 : 0));
    icon.paint(painter, QRect(r.left() + 2, r.top() + (r.height() - 15) / 2, 16, 16));

    QColor background = palette.color(QPalette::Base);
    QColor text = palette.color(QPalette::Text);
    if (focused) {
        background = palette.color(QPalette::Highlight);
        text = palette.color(QPalette::Base);
    } else if (selected) {
        background = palette.color(QPalette::Button);
    }
    // The nick as it is: no "&" mnemonics, no markup.
    const QString nick = index.data(UsersRegistry::NickRole).toString();
    const QFontMetrics metrics(option.font);
    const QRect box(r.left() + 20, r.top(), metrics.horizontalAdvance(nick) + 3, r.height());
    painter->fillRect(box, background);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(QRect(r.left() + 22, r.top(), box.width(), r.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, nick);
    if (option.state & QStyle::State_HasFocus && view && view->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(option.widget);
        focus.rect = box;
        focus.backgroundColor = background;
        option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                              option.widget);
    }
    painter->restore();
}

QSize UsersListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const QFontMetrics metrics(option.font);
    const QString item = index.data(Qt::DisplayRole).toString();
    // The width of the whole item text plus room for the picture, so the list
    // scrolls sideways for long nicks.
    return QSize(metrics.horizontalAdvance(item) + 16 + 22, qMax(15, metrics.height()));
}

TUsersList::TUsersList(QWidget* parent) : QListView(parent)
{
    setObjectName(QStringLiteral("UsersList"));
    setItemDelegate(new UsersListDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true);
    setMouseTracking(true);
    // The right button opens the users menu on press; no second menu from the
    // context-menu event, here or in the window behind.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void TUsersList::dragEnterEvent(QDragEnterEvent* event)
{
    if (transfer::DroppedFiles(event->mimeData()).isEmpty())
        return event->ignore();
    event->acceptProposedAction();
}

void TUsersList::dragMoveEvent(QDragMoveEvent* event)
{
    // Only a user takes files, not the empty space below the last one.
    if (indexAt(event->position().toPoint()).isValid())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TUsersList::dropEvent(QDropEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    const QStringList files = transfer::DroppedFiles(event->mimeData());
    if (!at.isValid() || files.isEmpty())
        return event->ignore();
    event->acceptProposedAction();
    setCurrentIndex(at);
    emit filesDropped(at.data(UsersRegistry::NickRole).toString(), files);
}

bool TUsersList::EnsureUserSelected()
{
    const int rows = model() ? model()->rowCount() : 0;
    if (rows == 0)
        return false;
    int row = selectedRow();
    if (row < 0)
        row = 0;
    else if (row >= rows)
        row = rows - 1;
    const QModelIndex index = model()->index(row, 0);
    if (!selectionModel()->isSelected(index))
        setCurrentIndex(index);
    return true;
}

int TUsersList::selectedRow() const
{
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString TUsersList::selectedNick() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : model()->index(row, 0).data(UsersRegistry::NickRole).toString();
}

QChar TUsersList::selectedStatus() const
{
    const int row = selectedRow();
    return row < 0 ? QChar() : statusOf(model()->index(row, 0));
}

void TUsersList::moveSelection(int delta)
{
    const int rows = model() ? model()->rowCount() : 0;
    if (rows == 0)
        return;
    const int row = selectedRow();
    const int next = row < 0 ? 0 : ((row + delta) % rows + rows) % rows;
    setCurrentIndex(model()->index(next, 0));
}

void TUsersList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        emit massMessageRequested();
        return;
    }
    setCurrentIndex(index);
    if (!presence::IsOffline(statusOf(index)))
        emit messageRequested();
}

void TUsersList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            setCurrentIndex(index);
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    QListView::mousePressEvent(event);
}

void TUsersList::mouseMoveEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid())
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
    QListView::mouseMoveEvent(event);
}

void TUsersList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        return;
    }
    QListView::keyPressEvent(event);
}

void TUsersList::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    emit focusChanged(true);
}

void TUsersList::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    emit focusChanged(false);
}

} // namespace quorvelle::shell
