#pragma once

// Shows one conversation. Lines only ever go to the end, rendered with their colour
// codes and smiles, with web and mail addresses as links that open in the
// desktop's handler; the owner decides what the context menu does.
//
// A laid-out line costs several times its text, so while the newest lines are in
// sight only the last LaidOutLines are in the document; the older ones wait in a
// compact form and are laid out again, a batch at a time, as the user scrolls up
// to them.

#include "chat/kept_lines.h"
#include "chat/markup.h"

#include <QTextBrowser>
#include <functional>

namespace quorvelle::chat {

class ConversationView : public QTextBrowser
{
    Q_OBJECT

public:
    // The most lines a view keeps: the oldest leave it (the log keeps every line),
    // so a long session in a busy channel does not grow without bound.
    static constexpr int MaxLines = 20000;
    // Lines beyond it leave together once there are this many.
    static constexpr int TrimBatch = 1000;
    // Lines laid out while the view follows the newest; older lines come back this
    // many at a time when scrolled to, and leave again when the view follows anew.
    static constexpr int LaidOutLines = 500;

    // The lines the view keeps, laid out or waiting.
    int lineCount() const { return m_lines.size(); }

    explicit ConversationView(QWidget* parent = nullptr);

    // Lines already shown follow a new background (hidden codes take its colour)
    // and new line colours.
    void setBackgroundColour(const QColor& colour);
    void recolour(const QHash<quint32, quint32>& colours);
    // How lines appended from now on show their markup.
    void setMarkup(ColourCodeMode mode, bool smiles);

    // Each line becomes a paragraph; an empty list adds one empty paragraph.
    // Without markup the lines show as they are (links still work).
    void appendLines(const QStringList& lines, const QColor& colour, bool markup = true);
    void clearView();

    // Near enough to the end that new lines should scroll into sight.
    bool isAtBottom() const;

    // Finding: every kept line is searched, laid out or waiting. The next line after
    // `from` (before it when backwards) holding the text, wrapping round; -1 for none.
    // from -1 starts at the newest line going back, at the oldest going forward.
    int findLine(const QString& text, int from, bool backwards, Qt::CaseSensitivity cs) const;
    // Lays a found line out if it waits, scrolls to it, selects the match there and
    // marks every match in sight.
    void showFound(int line, const QString& text, Qt::CaseSensitivity cs);
    void clearFound();

    // Files dropped on the view are offered to the owner (a private chat's partner
    // gets them); off by default.
    void setAcceptFiles(bool accept);

signals:
    // Any button let go over the text: the owner gives the focus back to the input line.
    void released();
    void rightClicked(const QPoint& globalPos);
    // The pointer moved over the text.
    void hovered();
    void filesDropped(const QStringList& files);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Copies smiles as their texts.
    QMimeData* createMimeDataFromSelection() const override;

private:
    // The document always holds one block: the first line fills it instead of following it.
    void insertLine(QTextCursor& cursor, const KeptLine& line, bool first);
    // A change to the document that keeps the user's place: at the newest line
    // when the view followed it, else at the same scroll position.
    void keepingPlace(const std::function<void()>& change);
    // The laid-out lines once more, from the store, keeping the user's place.
    void layOutAgain();
    void removeFirstBlocks(int count);
    void trimOldest();
    void layOutOlder();

    KeptLines m_lines;
    bool m_acceptFiles = false;
    // The line of m_lines the document's first block shows.
    int m_firstLaidOut = 0;
    bool m_olderQueued = false;

    ColourCodeMode m_mode = ColourCodeMode::Disabled;
    bool m_smiles = false;
    // Whether the newest lines are in sight. Kept apart from appends because the range
    // also grows without one: a tab in the background is laid out when first shown.
    bool m_follow = true;
};

} // namespace quorvelle::chat
