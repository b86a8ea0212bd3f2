#pragma once

// A secondary window exists at most once: its menu command creates it (it frees
// itself when closed, and an Esc that nothing in it took closes it), restores it
// when minimised, and brings it forward. The slot forgets the window by itself
// once it is gone.

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace quorvelle::shell {

// Closes its window on an Esc that reached the window itself.
class EscapeCloses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            static_cast<QWidget*>(watched)->close();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Places a window in the middle of the primary screen's free area.
inline void CentreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

template <typename Window, typename Create>
Window* ShowSecondaryWindow(QPointer<Window>& slot, Create create)
{
    if (!slot) {
        slot = create();
        slot->setAttribute(Qt::WA_DeleteOnClose);
        slot->installEventFilter(new EscapeCloses(slot));
    } else if (slot->isMinimized()) {
        slot->showNormal();
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

} // namespace quorvelle::shell
