#include "shell/window_shortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace quorvelle::shell {

WindowShortcutPriority::WindowShortcutPriority(QWidget* window) : QObject(window), m_window(window)
{}

void WindowShortcutPriority::watch(QWidget* box)
{
    box->installEventFilter(this);
}

bool WindowShortcutPriority::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    // A box asks to keep a key for itself; it does not get to when the key is one
    // of the window's enabled shortcuts. Keys bound to a widget (Esc) stay the box's.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_window->actions()) {
        if (!action->isEnabled() || action->shortcutContext() == Qt::WidgetShortcut)
            continue;
        if (action->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvelle::shell
