#pragma once

// Colour settings are stored as 32-bit values: either a plain RGB triple (red in
// the low byte) or, with the top bit set, the index of a system colour that
// follows the desktop theme.

#include <QColor>
#include <QPalette>

namespace quorvelle::chat {

// System colour indices known to the settings; anything else shows as text colour.
enum SystemColourIndex
{
    WindowBackgroundIndex = 5,
    WindowTextIndex = 8,
    ButtonFaceIndex = 15,
    ButtonTextIndex = 18,
    TooltipTextIndex = 23,
    TooltipBackgroundIndex = 24,
};

QColor ToQColor(int value, const QPalette& palette = QPalette());

// Always the RGB form: a theme colour is not turned back into an index.
int FromQColor(const QColor& colour);

} // namespace quorvelle::chat
