#pragma once

// A secondary window exists at most once: its menu command creates it (it frees
// itself when closed), restores it when minimised, and brings it forward. The
// slot forgets the window by itself once it is gone.

#include <QPointer>
#include <QWidget>

namespace quorvelle::shell {

template <typename Window, typename Create>
Window* ShowSecondaryWindow(QPointer<Window>& slot, Create create)
{
    if (!slot) {
        slot = create();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    } else if (slot->isMinimized()) {
        slot->showNormal();
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

} // namespace quorvelle::shell
