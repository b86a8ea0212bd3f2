#pragma once

// Shows one conversation. Lines only ever go to the end, as plain text runs in
// their colour, with web and mail addresses as links that open in the desktop's
// handler; the owner decides what the context menu does.

#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <functional>

namespace quorvelle::chat {

class ConversationView : public QTextBrowser
{
    Q_OBJECT

public:
    // Inserts one line at the cursor. Colour codes and smiles plug in here later.
    using Renderer = std::function<void(QTextCursor& cursor, const QString& line,
                                        const QTextCharFormat& format)>;

    explicit ConversationView(QWidget* parent = nullptr);

    void setBackgroundColour(const QColor& colour);
    void setLineRenderer(Renderer renderer);

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

private:
    Renderer m_renderer;
    // Whether the newest lines are in sight. Kept apart from appends because the range
    // also grows without one: a tab in the background is laid out when first shown.
    bool m_follow = true;
    // The document always holds one block; the first line fills it instead of following it.
    bool m_empty = true;
};

} // namespace quorvelle::chat
