#include "chat/conversation_view.h"

#include "chat/fix_selection.h"
#include "chat/markup_renderer.h"

#include <QDesktopServices>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

namespace quorvelle::chat {

namespace {

// Within this many pixels of the end counts as reading the newest lines.
constexpr int FollowSlack = 16;

} // namespace

ConversationView::ConversationView(QWidget* parent) : QTextBrowser(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The right button opens the owner's menu on press; no second menu from the
    // context-menu event, here or in the window behind.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    connect(this, &QTextBrowser::anchorClicked, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });

    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this] { m_follow = isAtBottom(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
        if (m_follow)
            bar->setValue(bar->maximum());
    });
}

void ConversationView::setBackgroundColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void ConversationView::setMarkup(ColourCodeMode mode, bool smiles)
{
    m_mode = mode;
    m_smiles = smiles;
}

void ConversationView::appendLines(const QStringList& lines, const QColor& colour)
{
    QScrollBar* bar = verticalScrollBar();
    const bool follow = isAtBottom();
    const int kept = bar->value();

    QTextCharFormat format;
    format.setForeground(colour);
    const MarkupOptions markup{m_mode, m_smiles, palette().color(QPalette::Base),
                               devicePixelRatioF()};

    // A fixed paragraph direction. Each append makes the layout walk back over up to a
    // hundred earlier lines, and guessing would rescan the text of every one of them.
    QTextBlockFormat paragraph;
    paragraph.setLayoutDirection(layoutDirection());

    QTextCursor cursor(document());
    // One edit block: the layout runs once for the whole batch. Opened before moving, so
    // the move does not lay out the last line just to learn its x position.
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    const auto nextParagraph = [&] {
        if (m_empty) {
            cursor.setBlockFormat(paragraph);
            cursor.setBlockCharFormat(format);
            m_empty = false;
        } else {
            cursor.insertBlock(paragraph, format);
        }
    };
    if (lines.isEmpty())
        nextParagraph();
    for (const QString& line : lines) {
        nextParagraph();
        InsertMarkup(cursor, line, format, markup);
    }
    cursor.endEditBlock();
    trimOldest();

    if (follow)
        bar->setValue(bar->maximum());
    else
        bar->setValue(kept);
}

void ConversationView::trimOldest()
{
    // In batches: taking the first line off a full view at every append would lay
    // the whole view out again each time.
    const int excess = document()->blockCount() - MaxLines;
    if (excess < TrimBatch)
        return;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, excess);
    cursor.removeSelectedText();
    cursor.endEditBlock();
}

void ConversationView::clearView()
{
    clear();
    m_empty = true;
    m_follow = true;
}

bool ConversationView::isAtBottom() const
{
    const QScrollBar* bar = verticalScrollBar();
    return bar->maximum() <= bar->minimum() || bar->value() >= bar->maximum() - FollowSlack;
}

void ConversationView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The owner's menu instead of the text edit's own.
        event->accept();
        emit rightClicked(event->globalPosition().toPoint());
        return;
    }
    QTextBrowser::mousePressEvent(event);
}

void ConversationView::mouseReleaseEvent(QMouseEvent* event)
{
    QTextBrowser::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && textCursor().hasSelection()) {
        // Selecting is copying; the highlight would only get in the way afterwards.
        copy();
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
    }
    emit released();
}

QMimeData* ConversationView::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(SelectedText(textCursor()));
    return data;
}

void ConversationView::mouseMoveEvent(QMouseEvent* event)
{
    QTextBrowser::mouseMoveEvent(event);
    emit hovered();
}

void ConversationView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTextBrowser::mouseDoubleClickEvent(event);
    // A double-clicked word is taken without the spaces after it.
    QTextCursor cursor = textCursor();
    if (FixSelection(cursor))
        setTextCursor(cursor);
}

} // namespace quorvelle::chat
