// The program's texts in the user's language: Tervala's own translation, compiled into the program, and Qt's for
// its standard dialogs, both chosen by the locale. English is the source language; its translation gives only
// the plural forms of counts.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace tervala {

// Installs into app the translations for locale, in place of those an earlier call installed, and makes it the
// default locale for numbers. The C locale, which names no language, counts as US English: the program then
// reads exactly as it did before it was translated.
void installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

} // namespace tervala
