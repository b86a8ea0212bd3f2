#include "chat/colour_value.h"

namespace quorvelle::chat {

namespace {

constexpr quint32 SystemFlag = 0x80000000u;

QPalette::ColorRole RoleFor(quint32 index)
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
    // Work on the unsigned bits: the stored form of a system colour is negative.
    const auto bits = static_cast<quint32>(value);
    if (bits & SystemFlag)
        return palette.color(RoleFor(bits & ~SystemFlag));
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

int FromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

} // namespace quorvelle::chat
