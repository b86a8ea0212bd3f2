#pragma once

// Colour values (settings/colours.h) as QColors: RGB as it is, a system colour from
// the palette.

#include "settings/colours.h"

#include <QColor>
#include <QPalette>

namespace quorvelle::chat {

// System colour indices known to the settings; anything else shows as text colour.
enum SystemColourIndex
{
    WindowBackgroundIndex = settings::WindowBackgroundIndex,
    WindowTextIndex = settings::WindowTextIndex,
    ButtonFaceIndex = 15,
    ButtonTextIndex = 18,
    TooltipTextIndex = 23,
    TooltipBackgroundIndex = 24,
};

QColor ToQColor(int value, const QPalette& palette = QPalette());

// Always the RGB form: a theme colour is not turned back into an index.
int FromQColor(const QColor& colour);

// The palette's window background and text, as the colours' rules take them.
inline settings::DesktopColours DesktopColoursOf(const QPalette& palette)
{
    return {palette.color(QPalette::Base).rgb(), palette.color(QPalette::Text).rgb()};
}

// What a colour setting is drawn with on this palette.
inline QColor ShownColour(const settings::Colours& colours, settings::ColourId id,
                          const QPalette& palette = QPalette())
{
    return QColor::fromRgb(colours.shown(id, DesktopColoursOf(palette)));
}

} // namespace quorvelle::chat
