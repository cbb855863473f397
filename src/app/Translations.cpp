#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace tervala {

namespace {

// The translators the last call installed, owned by their application.
std::vector<QPointer<QTranslator>>& installed()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

// A translation is installed when the locale has one: a missing language leaves the source texts.
void installIfFound(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        installed().push_back(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale)
{
    for (const QPointer<QTranslator>& translator : installed())
        delete translator.data(); // a deleted translator leaves the application's list by itself
    installed().clear();
    const QLocale used = locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
    QLocale::setDefault(used);
    // English, the source language, gives the plurals of counts wherever the locale's language has no translation.
    installIfFound(app, QLocale(QLocale::English), QStringLiteral("tervala"), QStringLiteral(":/i18n"));
    if (used.language() != QLocale::English)
        installIfFound(app, used, QStringLiteral("tervala"), QStringLiteral(":/i18n"));
    installIfFound(app, used, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace tervala
