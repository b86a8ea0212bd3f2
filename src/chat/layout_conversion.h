#pragma once

// Text typed with the wrong keyboard layout active, retyped in the other one: the
// characters the same keys give under US English and under Russian (ЙЦУКЕН).

#include <QString>
#include <QStringView>

namespace quorvelle::chat {

enum class LayoutDirection
{
    UsToRussian, // what the US keys typed, as the Russian layout would have typed it
    RussianToUs, // the exact inverse
};

// Converts each character the layouts place differently; every other character
// (digits, control characters, letters of other scripts) stays as it is.
QString ConvertLayout(QStringView text, LayoutDirection direction);

} // namespace quorvelle::chat
