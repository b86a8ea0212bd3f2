#pragma once

// The program's colours: the backgrounds and texts of the main window's boxes, the
// backgrounds of conversations and message windows, and one text colour per kind of
// conversation line and message text.
//
// A colour value is kept as the settings store it: RGB with red in the low byte and
// the top byte clear, or a system colour (top bit set, then the index) that follows
// the desktop. The core links no GUI library, so a colour it computes for showing is
// 0xRRGGBB, QRgb's layout: the GUI passes it to QColor::fromRgb as it is, and passes
// the desktop palette in as QColor::rgb() values.

#include "settings/settings_schema.h"

#include <array>
#include <span>

namespace quorvelle::settings {

class Settings;

constexpr int SystemColour(int index)
{
    return int(0x80000000u | unsigned(index));
}
constexpr int Rgb(int r, int g, int b)
{
    return r | (g << 8) | (b << 16);
}
inline constexpr int WindowBackgroundIndex = 5;
inline constexpr int WindowTextIndex = 8;
inline constexpr int WindowBackground = SystemColour(WindowBackgroundIndex);
inline constexpr int WindowText = SystemColour(WindowTextIndex);

constexpr bool IsSystemColour(int value)
{
    return (unsigned(value) & 0x80000000u) != 0;
}
constexpr int SystemColourIndex(int value)
{
    return int(unsigned(value) & 0x7FFFFFFFu);
}
// The 0xRRGGBB of an RGB value.
constexpr quint32 RgbOf(int value)
{
    const auto bits = unsigned(value);
    return ((bits & 0xFFu) << 16) | (bits & 0xFF00u) | ((bits >> 16) & 0xFFu);
}
// The RGB value of 0xRRGGBB (a QRgb's alpha is dropped).
constexpr int ColourValueOf(quint32 rgb)
{
    return Rgb(int((rgb >> 16) & 0xFFu), int((rgb >> 8) & 0xFFu), int(rgb & 0xFFu));
}
// What this program can show: an RGB value, or the window background or text.
constexpr bool IsColourValue(int value)
{
    return IsSystemColour(value) ? SystemColourIndex(value) == WindowBackgroundIndex ||
                                       SystemColourIndex(value) == WindowTextIndex
                                 : (unsigned(value) >> 24) == 0;
}

enum class ColourId
{
    ChatBrush,
    UsersListBrush,
    UsersListFont,
    SubjectBrush,
    SubjectFont,
    EditBoxBrush,
    EditBoxFont,
    NickNameBrush,
    NickNameFont,
    MessageBrush,
    MessStrFont1,                                    // .. MessStrFont3
    SysStrFont1 = MessStrFont1 + MessageColourCount, // .. SysStrFont12
};
inline constexpr int ColourCount = int(ColourId::SysStrFont1) + LineColourCount;

// n = 1 .. 12, numbered as the kinds of conversation line.
constexpr ColourId LineColourId(int n)
{
    return ColourId(int(ColourId::SysStrFont1) + n - 1);
}
// n = 1 .. 3: double quote, single quote, the message's own text.
constexpr ColourId MessageColourId(int n)
{
    return ColourId(int(ColourId::MessStrFont1) + n - 1);
}

struct ColourDef
{
    ColourId id;
    Key key;
    int fallback;
    // What a text colour is drawn on; a background names itself.
    ColourId drawnOn;
};

// Every colour in ColourId order.
std::span<const ColourDef> ColourTable();

// The desktop palette's window background and text, as 0xRRGGBB.
struct DesktopColours
{
    quint32 base = 0xFFFFFF;
    quint32 text = 0x000000;
};

// WCAG's contrast ratio of two 0xRRGGBB colours, 1 to 21.
double ContrastRatio(quint32 a, quint32 b);
// On a dark background (light text reads better on it than dark text), the least
// lighter shade of the colour's hue that reads on it; otherwise the colour itself.
quint32 ReadableOn(quint32 colour, quint32 background);

class Colours
{
public:
    Colours() { reset(); }

    int value(ColourId id) const { return m_values[size_t(id)]; }
    // A value the program cannot show is ignored.
    void set(ColourId id, int value);
    // "Default Colors": every colour back to its default, in memory only.
    void reset();

    // A stored value that is not a colour gives that colour's default.
    void load(const Settings& settings);
    void save(Settings& settings) const;

    // The colour to draw with: system colours follow the desktop. On a dark
    // background the fixed default text colours (navy, maroon, ...) can hardly be
    // read, so while one still has its default value it is shown as a lighter
    // shade of its hue; the stored value does not change. A picked colour shows as
    // picked.
    quint32 shown(ColourId id, const DesktopColours& desktop) const;

private:
    quint32 resolved(ColourId id, const DesktopColours& desktop) const;

    std::array<int, ColourCount> m_values{};
};

} // namespace quorvelle::settings
