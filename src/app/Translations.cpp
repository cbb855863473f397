#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tervala {

namespace {

// A translation is installed when the locale has one: a missing language leaves the source texts.
void installIfFound(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale)
{
    const QLocale used = locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
    QLocale::setDefault(used);
    installIfFound(app, used, QStringLiteral("tervala"), QStringLiteral(":/i18n"));
    installIfFound(app, used, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace tervala
