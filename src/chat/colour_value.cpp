#include "chat/colour_value.h"

namespace quorvelle::chat {

namespace {

QPalette::ColorRole RoleFor(int index)
{
    switch (index) {
    case WindowBackgroundIndex:
        return QPalette::Base;
    case WindowTextIndex:
        return QPalette::Text;
    case ButtonFaceIndex:
        return QPalette::Button;
    case ButtonTextIndex:
        return QPalette::ButtonText;
    case TooltipTextIndex:
        return QPalette::ToolTipText;
    case TooltipBackgroundIndex:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Text;
    }
}

} // namespace

QColor ToQColor(int value, const QPalette& palette)
{
    if (settings::IsSystemColour(value))
        return palette.color(RoleFor(settings::SystemColourIndex(value)));
    return QColor::fromRgb(settings::RgbOf(value));
}

int FromQColor(const QColor& colour)
{
    return settings::ColourValueOf(colour.toRgb().rgb());
}

} // namespace quorvelle::chat
