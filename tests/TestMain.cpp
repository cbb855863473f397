// One main for every test executable. Widget tests need a QApplication, headless unless told otherwise; the
// window-free libraries' tests run under a QCoreApplication, so that nothing of Qt Widgets is linked into them.
// Both install the program's translations for the locale.
#ifdef TERVALA_TEST_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

#include "app/Translations.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
#ifdef TERVALA_TEST_WIDGETS
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // a platform already set is kept
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    // As the program does: English under the C locale the tests run in, a test may install another language.
    tervala::installTranslations(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
