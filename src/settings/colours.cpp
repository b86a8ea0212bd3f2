#include "settings/colours.h"

#include "settings/settings.h"

#include <algorithm>
#include <cmath>

namespace quorvelle::settings {

namespace {

using C = ColourId;

constexpr std::array<ColourDef, ColourCount> table{{
    {C::ChatBrush, key::ChatBrush, WindowBackground, C::ChatBrush},
    {C::UsersListBrush, key::UsersListBrush, WindowBackground, C::UsersListBrush},
    {C::UsersListFont, key::UsersListFont, WindowText, C::UsersListBrush},
    {C::SubjectBrush, key::SubjectBrush, WindowBackground, C::SubjectBrush},
    {C::SubjectFont, key::SubjectFont, WindowText, C::SubjectBrush},
    {C::EditBoxBrush, key::EditBoxBrush, WindowBackground, C::EditBoxBrush},
    {C::EditBoxFont, key::EditBoxFont, WindowText, C::EditBoxBrush},
    {C::NickNameBrush, key::NickNameBrush, WindowBackground, C::NickNameBrush},
    {C::NickNameFont, key::NickNameFont, WindowText, C::NickNameBrush},
    {C::MessageBrush, key::MessageBrush, WindowBackground, C::MessageBrush},
    {MessageColourId(1), key::MessStrFont.at(1), Rgb(255, 0, 255), C::MessageBrush}, // >>quote
    {MessageColourId(2), key::MessStrFont.at(2), Rgb(0, 0, 255), C::MessageBrush},   // >quote
    {MessageColourId(3), key::MessStrFont.at(3), WindowText, C::MessageBrush},
    {LineColourId(1), key::SysStrFont.at(1), Rgb(255, 0, 255), C::ChatBrush},   // welcome
    {LineColourId(2), key::SysStrFont.at(2), Rgb(0, 128, 0), C::ChatBrush},     // join/leave
    {LineColourId(3), key::SysStrFont.at(3), Rgb(128, 0, 0), C::ChatBrush},     // nick change
    {LineColourId(4), key::SysStrFont.at(4), Rgb(192, 192, 192), C::ChatBrush}, // status
    {LineColourId(5), key::SysStrFont.at(5), Rgb(128, 0, 0), C::ChatBrush},     // subject
    {LineColourId(6), key::SysStrFont.at(6), Rgb(128, 0, 128), C::ChatBrush},   // message
    {LineColourId(7), key::SysStrFont.at(7), Rgb(128, 0, 128), C::ChatBrush},   // confirmation
    {LineColourId(8), key::SysStrFont.at(8), Rgb(0, 0, 128), C::ChatBrush},     // beep sent
    {LineColourId(9), key::SysStrFont.at(9), Rgb(0, 0, 128), C::ChatBrush},     // beep received
    {LineColourId(10), key::SysStrFont.at(10), Rgb(255, 0, 0), C::ChatBrush},   // errors
    {LineColourId(11), key::SysStrFont.at(11), Rgb(0, 0, 255), C::ChatBrush},   // others' text
    {LineColourId(12), key::SysStrFont.at(12), WindowText, C::ChatBrush},       // own text
}};

// Body text contrast by WCAG's measure.
constexpr double ReadableContrast = 4.5;

double Linear(quint32 channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(quint32 rgb)
{
    return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) +
           0.0722 * Linear(rgb & 0xFF);
}

struct Hsl
{
    double h, s, l; // h in turns, all 0..1
};

Hsl ToHsl(quint32 rgb)
{
    const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0,
                 b = (rgb & 0xFF) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double l = (hi + lo) / 2, d = hi - lo;
    if (d == 0)
        return {0, 0, l};
    const double s = d / (1 - std::abs(2 * l - 1));
    double h = hi == r ? (g - b) / d : hi == g ? (b - r) / d + 2 : (r - g) / d + 4;
    h /= 6;
    return {h < 0 ? h + 1 : h, s, l};
}

quint32 FromHsl(const Hsl& c)
{
    const double chroma = (1 - std::abs(2 * c.l - 1)) * c.s;
    const double h6 = c.h * 6;
    const double x = chroma * (1 - std::abs(std::fmod(h6, 2) - 1));
    double r = 0, g = 0, b = 0;
    switch (int(h6) % 6) {
    case 0:
        r = chroma, g = x;
        break;
    case 1:
        r = x, g = chroma;
        break;
    case 2:
        g = chroma, b = x;
        break;
    case 3:
        g = x, b = chroma;
        break;
    case 4:
        r = x, b = chroma;
        break;
    default:
        r = chroma, b = x;
        break;
    }
    const double m = c.l - chroma / 2;
    const auto byte = [m](double v) {
        return quint32(std::lround(std::clamp(v + m, 0.0, 1.0) * 255));
    };
    return (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

} // namespace

std::span<const ColourDef> ColourTable()
{
    return table;
}

double ContrastRatio(quint32 a, quint32 b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

quint32 ReadableOn(quint32 colour, quint32 background)
{
    const bool dark = ContrastRatio(background, 0xFFFFFF) > ContrastRatio(background, 0x000000);
    if (!dark || ContrastRatio(colour, background) >= ReadableContrast)
        return colour;
    // Lightness alone moves, up to white, which always reads on a dark background.
    // Find the least lightness of the hue that reads...
    Hsl shade = ToHsl(colour);
    const double own = shade.l;
    double lo = 0.0, hi = 1.0;
    for (int step = 0; step < 24; ++step) {
        shade.l = (lo + hi) / 2;
        (ContrastRatio(FromHsl(shade), background) >= ReadableContrast ? hi : lo) = shade.l;
    }
    // ...and keep the colour's own lightness above it, so that colours of one hue
    // (maroon and red, navy and blue) stay apart.
    shade.l = hi + (1.0 - hi) * own * 0.8;
    return FromHsl(shade);
}

void Colours::set(ColourId id, int value)
{
    if (IsColourValue(value))
        m_values[size_t(id)] = value;
}

void Colours::reset()
{
    for (const ColourDef& def : table)
        m_values[size_t(def.id)] = def.fallback;
}

void Colours::load(const Settings& s)
{
    for (const ColourDef& def : table) {
        const int stored = s.number(def.key);
        m_values[size_t(def.id)] = IsColourValue(stored) ? stored : def.fallback;
    }
}

void Colours::save(Settings& s) const
{
    for (const ColourDef& def : table)
        s.setNumber(def.key, value(def.id));
}

quint32 Colours::resolved(ColourId id, const DesktopColours& desktop) const
{
    const int v = value(id);
    if (!IsSystemColour(v))
        return RgbOf(v);
    return SystemColourIndex(v) == WindowBackgroundIndex ? desktop.base : desktop.text;
}

quint32 Colours::shown(ColourId id, const DesktopColours& desktop) const
{
    const ColourDef& def = table[size_t(id)];
    const quint32 colour = resolved(id, desktop);
    if (def.drawnOn == id || value(id) != def.fallback || IsSystemColour(def.fallback))
        return colour;
    return ReadableOn(colour, resolved(def.drawnOn, desktop));
}

} // namespace quorvelle::settings
