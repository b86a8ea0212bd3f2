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

} // namespace quorvelle::settings
