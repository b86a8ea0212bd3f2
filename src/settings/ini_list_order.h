#pragma once

// The INI reader sorts a section's value names, and a section written anew comes
// out sorted too. For list sections the order is the content (the broadcast table
// is tried first to last, the channels open in their kept order), so the order is
// taken from the file's own lines and put back into them after a write.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvelle::settings {

// A value name as the INI file spells it, decoded ("%23Talks" is "#Talks").
QString IniUnescapedKey(QByteArrayView raw);

// The value names of a section in the order of the file's lines.
QStringList IniSectionKeyOrder(const QByteArray& file, const QString& section);

// The file with the lines of a section put in the given order of value names;
// lines of names outside the order keep their place after those in it.
QByteArray IniReorderSection(const QByteArray& file, const QString& section,
                             const QStringList& order);

} // namespace quorvelle::settings
