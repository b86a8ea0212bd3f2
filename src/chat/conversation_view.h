#pragma once

// Shows one conversation. Lines only ever go to the end, rendered with their colour
// codes and smiles, with web and mail addresses as links that open in the
// desktop's handler; the owner decides what the context menu does.

#include "chat/markup.h"

#include <QTextBrowser>

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

    explicit ConversationView(QWidget* parent = nullptr);

    void setBackgroundColour(const QColor& colour);
    // How lines appended from now on show their markup.
    void setMarkup(ColourCodeMode mode, bool smiles);

    // Each line becomes a paragraph; an empty list adds one empty paragraph.
    void appendLines(const QStringList& lines, const QColor& colour);
    void clearView();

    // Near enough to the end that new lines should scroll into sight.
    bool isAtBottom() const;

signals:
    // Any button let go over the text: the owner gives the focus back to the input line.
    void released();
    void rightClicked(const QPoint& globalPos);
    // The pointer moved over the text.
    void hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Copies smiles as their texts.
    QMimeData* createMimeDataFromSelection() const override;

private:
    void trimOldest();

    ColourCodeMode m_mode = ColourCodeMode::Disabled;
    bool m_smiles = false;
    // Whether the newest lines are in sight. Kept apart from appends because the range
    // also grows without one: a tab in the background is laid out when first shown.
    bool m_follow = true;
    // The document always holds one block; the first line fills it instead of following it.
    bool m_empty = true;
};

} // namespace quorvelle::chat
