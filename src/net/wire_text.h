#pragma once

// Text on the wire, in logs and in the archive is 8-bit text in one code page
// (the setting Codepage). Inside the program text is QString.

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>

namespace quorvelle::net {

// The Windows ANSI code page of a locale, e.g. "windows-1251" for Russian;
// "windows-1251" for the C locale and languages without one of their own.
QByteArray AnsiCodepageFor(const QLocale& locale);
QByteArray DefaultCodepage();

class WireText
{
public:
    // An unknown code page name falls back to windows-1251.
    explicit WireText(const QByteArray& codepage = DefaultCodepage());

    const QByteArray& codepage() const { return m_codepage; }

    // A character the code page cannot hold becomes "?".
    QByteArray encode(const QString& text) const;
    QString decode(QByteArrayView bytes) const;

private:
    QByteArray m_codepage;
};

} // namespace quorvelle::net
