// Tervala starts with the browser window; `--builder` opens the builder window alone instead.
// The program folder is the folder of the executable: both database files are found there.
#include "browser/Form1.h"
#include "builder/Form2.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tervala"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Browse baby names by initial, text, origin and favourites.\n"
                                                    "The names are read from ter.va in the program's folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption builderOption(
        QStringLiteral("builder"),
        QStringLiteral("Open the builder window instead of the browser: it turns saved web pages into name rows "
                       "in db17000.mdb, in the program's folder. The browser window is not shown and ter.va is "
                       "not opened."));
    parser.addOption(builderOption);
    parser.process(app);

    const QString programFolder = QCoreApplication::applicationDirPath();
    if (parser.isSet(builderOption)) {
        tervala::Form2 builder(programFolder);
        builder.show();
        return QApplication::exec();
    }

    tervala::Form1 browser(programFolder);
    // A missing or broken ter.va is an unhandled error of the load handler: reported, and the program ends
    // before the window shows.
    browser.load();
    if (browser.isUnloaded())
        return 0;
    browser.show();
    return QApplication::exec();
}
