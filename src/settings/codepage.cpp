#include "settings/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quorvelle::settings {

bool IsKnownCodepage(const QByteArray& name)
{
    return !name.isEmpty() && QStringEncoder(name.constData()).isValid() &&
           QStringDecoder(name.constData()).isValid();
}

QByteArray AnsiCodepageFor(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::C:
        return FallbackCodepage;
    case QLocale::Russian:
    case QLocale::Ukrainian:
    case QLocale::Belarusian:
    case QLocale::Bulgarian:
    case QLocale::Macedonian:
    case QLocale::Kazakh:
    case QLocale::Kyrgyz:
    case QLocale::Tatar:
    case QLocale::Mongolian:
        return "windows-1251";
    case QLocale::Serbian:
    case QLocale::Bosnian:
        return locale.script() == QLocale::CyrillicScript ? "windows-1251" : "windows-1250";
    case QLocale::Uzbek:
    case QLocale::Azerbaijani:
        return locale.script() == QLocale::CyrillicScript ? "windows-1251" : "windows-1254";
    case QLocale::Polish:
    case QLocale::Czech:
    case QLocale::Slovak:
    case QLocale::Hungarian:
    case QLocale::Slovenian:
    case QLocale::Croatian:
    case QLocale::Romanian:
    case QLocale::Albanian:
        return "windows-1250";
    case QLocale::Greek:
        return "windows-1253";
    case QLocale::Turkish:
        return "windows-1254";
    case QLocale::Hebrew:
        return "windows-1255";
    case QLocale::Arabic:
    case QLocale::Persian:
    case QLocale::Urdu:
        return "windows-1256";
    case QLocale::Estonian:
    case QLocale::Latvian:
    case QLocale::Lithuanian:
        return "windows-1257";
    case QLocale::Vietnamese:
        return "windows-1258";
    case QLocale::Thai:
        return "windows-874";
    case QLocale::Japanese:
        return "Shift_JIS";
    case QLocale::Korean:
        return "windows-949";
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalChineseScript ? "Big5" : "GBK";
    default:
        break;
    }
    // Languages written in Latin script use the Western page.
    return locale.script() == QLocale::LatinScript ? "windows-1252" : FallbackCodepage;
}

QByteArray DefaultCodepage()
{
#ifdef Q_OS_WIN
    const QByteArray name = "windows-" + QByteArray::number(GetACP());
    if (IsKnownCodepage(name))
        return name;
#endif
    return AnsiCodepageFor(QLocale::system());
}

QList<QByteArray> CodepageChoices(const QByteArray& current)
{
    static const char* const candidates[] = {
        // Usual on this net first.
        "windows-1251", "windows-1252", "windows-1250", "KOI8-R", "IBM866", "UTF-8",
        // Then the other ANSI and ISO pages, and the East Asian ones.
        "windows-1253", "windows-1254", "windows-1255", "windows-1256", "windows-1257",
        "windows-1258", "windows-874", "KOI8-U", "ISO-8859-1", "ISO-8859-2", "ISO-8859-5",
        "ISO-8859-7", "ISO-8859-9", "ISO-8859-15", "Shift_JIS", "GBK", "Big5", "windows-949"};
    QList<QByteArray> choices;
    for (const char* name : candidates)
        if (IsKnownCodepage(name))
            choices.append(name);
    if (!current.isEmpty() && !choices.contains(current) && IsKnownCodepage(current))
        choices.prepend(current);
    return choices;
}

} // namespace quorvelle::settings
