#include "chat/conversation_view.h"

#include "chat/fix_selection.h"
#include "chat/markup_renderer.h"
#include "transfer/dropped_files.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

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
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        m_follow = isAtBottom();
        // Within a screen of the top: bring the older lines back before the user
        // runs out of them. Not from inside the scroll bar's own signal.
        if (m_firstLaidOut > 0 && value < viewport()->height() && !m_olderQueued &&
            bar->maximum() > bar->minimum()) {
            m_olderQueued = true;
            QTimer::singleShot(0, this, &ConversationView::layOutOlder);
        }
    });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar] {
        if (m_follow)
            bar->setValue(bar->maximum());
    });
}

void ConversationView::setBackgroundColour(const QColor& colour)
{
    if (colour == palette().color(QPalette::Base))
        return;
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
    if (lineCount() > 0)
        layOutAgain();
}

void ConversationView::recolour(const QHash<quint32, quint32>& colours)
{
    if (!colours.isEmpty() && m_lines.recolour(colours))
        layOutAgain();
}

void ConversationView::keepingPlace(const std::function<void()>& change)
{
    QScrollBar* bar = verticalScrollBar();
    const bool follow = isAtBottom();
    const int kept = bar->value();
    change();
    bar->setValue(follow ? bar->maximum() : kept);
}

void ConversationView::layOutAgain()
{
    keepingPlace([this] {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        for (int i = m_firstLaidOut; i < lineCount(); ++i)
            insertLine(cursor, m_lines.at(i), i == m_firstLaidOut);
        cursor.endEditBlock();
    });
}

void ConversationView::setMarkup(ColourCodeMode mode, bool smiles)
{
    m_mode = mode;
    m_smiles = smiles;
}

void ConversationView::appendLines(const QStringList& lines, const QColor& colour, bool markup)
{
    keepingPlace([&] {
        QTextCursor cursor(document());
        // One edit block: the layout runs once for the whole batch. Opened before moving,
        // so the move does not lay out the last line just to learn its x position.
        cursor.beginEditBlock();
        cursor.movePosition(QTextCursor::End);
        const auto add = [&](const QString& text) {
            const KeptLine line{text, colour.rgba(), markup ? m_mode : ColourCodeMode::Disabled,
                                markup && m_smiles};
            insertLine(cursor, line, lineCount() == 0);
            m_lines.append(line);
        };
        if (lines.isEmpty())
            add(QString());
        for (const QString& line : lines)
            add(line);
        cursor.endEditBlock();
        trimOldest();
    });
}

void ConversationView::insertLine(QTextCursor& cursor, const KeptLine& line, bool first)
{
    QTextCharFormat format;
    format.setForeground(QColor::fromRgba(line.rgba));
    // A fixed paragraph direction. Each append makes the layout walk back over up to a
    // hundred earlier lines, and guessing would rescan the text of every one of them.
    QTextBlockFormat paragraph;
    paragraph.setLayoutDirection(layoutDirection());
    if (first) {
        cursor.setBlockFormat(paragraph);
        cursor.setBlockCharFormat(format);
    } else {
        cursor.insertBlock(paragraph, format);
    }
    InsertMarkup(cursor, line.text, format,
                 MarkupOptions{line.mode, line.smiles, palette().color(QPalette::Base),
                               devicePixelRatioF()});
}

void ConversationView::removeFirstBlocks(int count)
{
    if (count <= 0)
        return;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, count);
    cursor.removeSelectedText();
    cursor.endEditBlock();
}

void ConversationView::trimOldest()
{
    // In batches: taking the first line off at every append would lay the whole
    // document out again each time.
    const int excess = lineCount() - MaxLines;
    if (excess >= TrimBatch) {
        m_lines.removeFirst(excess);
        removeFirstBlocks(excess - m_firstLaidOut);
        m_firstLaidOut = qMax(0, m_firstLaidOut - excess);
    }
    // Lines scrolled back to leave the document once the view follows the newest again.
    const int laidOutExcess = lineCount() - m_firstLaidOut - LaidOutLines;
    if (m_follow && laidOutExcess >= LaidOutLines) {
        removeFirstBlocks(laidOutExcess);
        m_firstLaidOut += laidOutExcess;
    }
}

void ConversationView::layOutOlder()
{
    m_olderQueued = false;
    if (m_firstLaidOut == 0)
        return;
    QScrollBar* bar = verticalScrollBar();
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    // The user's place: the line at the top of the view and how far into it.
    const QTextBlock top = cursorForPosition(QPoint(0, 0)).block();
    const int topNumber = top.blockNumber();
    const int offset = bar->value() - qRound(layout->blockBoundingRect(top).top());
    const int count = qMin(LaidOutLines, m_firstLaidOut);

    QTextCursor cursor(document());
    cursor.beginEditBlock();
    // The first block moves down with its formats; the older lines go in front of it.
    cursor.insertBlock(cursor.blockFormat(), cursor.blockCharFormat());
    cursor.movePosition(QTextCursor::Start);
    for (int i = m_firstLaidOut - count; i < m_firstLaidOut; ++i)
        insertLine(cursor, m_lines.at(i), i == m_firstLaidOut - count);
    cursor.endEditBlock();
    m_firstLaidOut -= count;

    const QTextBlock moved = document()->findBlockByNumber(topNumber + count);
    bar->setValue(qRound(layout->blockBoundingRect(moved).top()) + offset);
}

void ConversationView::clearView()
{
    clear();
    m_lines.clear();
    m_firstLaidOut = 0;
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

int ConversationView::findLine(const QString& text, int from, bool backwards,
                               Qt::CaseSensitivity cs) const
{
    const int count = lineCount();
    if (text.isEmpty() || count == 0)
        return -1;
    int line = from < 0 ? (backwards ? count : -1) : from;
    for (int step = 0; step < count; ++step) {
        line = backwards ? (line - 1 + count) % count : (line + 1) % count;
        if (m_lines.at(line).text.contains(text, cs))
            return line;
    }
    return -1;
}

void ConversationView::showFound(int line, const QString& text, Qt::CaseSensitivity cs)
{
    if (line < 0 || line >= lineCount())
        return;
    m_follow = false;
    while (line < m_firstLaidOut)
        layOutOlder(); // as scrolling up does, a batch at a time
    const QTextDocument::FindFlags flags =
        cs == Qt::CaseSensitive ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    // Every match in the document, and the found one selected.
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat mark;
    mark.setBackground(QColor(255, 230, 90));
    mark.setForeground(Qt::black);
    for (QTextCursor c = document()->find(text, 0, flags); !c.isNull();
         c = document()->find(text, c, flags))
        marks.append({c, mark});
    setExtraSelections(marks);
    const QTextBlock block = document()->findBlockByNumber(line - m_firstLaidOut);
    QTextCursor found = document()->find(text, block.position(), flags);
    if (found.isNull() || found.block() != block) {
        found = QTextCursor(block); // the match hides in a colour code or a smile
        found.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    setTextCursor(found);
    ensureCursorVisible();
}

void ConversationView::clearFound()
{
    setExtraSelections({});
    QTextCursor c = textCursor();
    c.clearSelection();
    setTextCursor(c);
}

void ConversationView::setAcceptFiles(bool accept)
{
    m_acceptFiles = accept;
    setAcceptDrops(accept);
    viewport()->setAcceptDrops(accept);
}

void ConversationView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event); // an enter is a move that starts
}

void ConversationView::dragMoveEvent(QDragMoveEvent* event)
{
    if (m_acceptFiles && !transfer::DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ConversationView::dropEvent(QDropEvent* event)
{
    const QStringList files = transfer::DroppedFiles(event->mimeData());
    if (!m_acceptFiles || files.isEmpty())
        return event->ignore();
    event->acceptProposedAction();
    emit filesDropped(files);
}

} // namespace quorvelle::chat
