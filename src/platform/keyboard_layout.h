#pragma once

// The keyboard layouts the user switches between, and the "KLC Convert" command that
// retypes text in the other layout. X11 (through XKB) and Windows only; elsewhere,
// Wayland and offscreen included, nothing is known and nothing changes.

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

// Text typed in the wrong layout, converted as if typed in the other one; the keyboard
// then switches to that layout too. With US English in use, US to Russian; otherwise
// back to US. Empty text, or no readable layout, comes back unchanged.
QString KlcConvert(const QString& text);

} // namespace quorvelle::platform
