#pragma once

// The keyboard layouts the user switches between, for the command that retypes text
// in the other layout. X11 (through XKB) and Windows only; elsewhere, Wayland and
// offscreen included, nothing is known and nothing changes.

#include <QString>
#include <QStringList>
#include <optional>

namespace quorvelle::platform {

struct KeyboardLayouts
{
    // One per switchable layout: XKB short names under X11 ("us", "ru"), layout names
    // of the language on Windows ("00000409", "00000419").
    QStringList names;
    int active = -1; // index into names; -1 when the layout in use has no name here
};

// nullopt where the system tells nothing (no X connection, no XKB).
std::optional<KeyboardLayouts> CurrentKeyboardLayouts();

// Makes layout `group` (an index into CurrentKeyboardLayouts().names) the one in use;
// false where that cannot be done.
bool LockKeyboardGroup(int group);

// At least two layouts to switch between: only then does the command make sense.
bool KlcAvailable();

// For text typed in the wrong layout: whether the layout in use is US English (so the
// text reads as Russian), and the keyboard switches to the other layout, Russian
// after US and US after any other. Nothing when no layout can be read.
std::optional<bool> SwitchFromTypedLayout();

} // namespace quorvelle::platform
