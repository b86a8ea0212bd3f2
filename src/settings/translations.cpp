#include "settings/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvelle::settings {

void InstallTranslations()
{
    auto install = [](const QString& name, const QString& directory, const QLocale& locale) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), directory))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    // Translators installed later are asked first: the English file, which only
    // holds plural forms, is the fallback of every other language.
    const QString ours = QStringLiteral(":/i18n");
    install(QStringLiteral("quorvelle"), ours, QLocale(QLocale::English));
    const QLocale locale;
    if (locale.language() != QLocale::English && locale.language() != QLocale::C) {
        install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                locale);
        install(QStringLiteral("quorvelle"), ours, locale);
    }
}

} // namespace quorvelle::settings
