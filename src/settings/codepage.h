#pragma once

// Text on the wire, in logs and in the archive is 8-bit text in one code page,
// the setting Codepage. Its default follows the user's locale.

#include <QByteArray>
#include <QList>
#include <QLocale>

namespace quorvelle::settings {

// Where a locale names no code page of its own, and where a stored name is unknown.
inline constexpr char FallbackCodepage[] = "windows-1251";

// The Windows ANSI code page of a locale, e.g. "windows-1251" for Russian;
// "windows-1251" for the C locale and languages without one of their own.
QByteArray AnsiCodepageFor(const QLocale& locale);
// The code page of this system's locale (the ANSI code page on Windows).
QByteArray DefaultCodepage();
// Whether text can be converted both ways in that code page here.
bool IsKnownCodepage(const QByteArray& name);
// The code pages to choose from: the net's usual ones first, then the others this
// system knows, the current one always among them.
QList<QByteArray> CodepageChoices(const QByteArray& current);

} // namespace quorvelle::settings
