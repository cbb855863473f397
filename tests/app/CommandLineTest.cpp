// The options that need no window, answered with no display at all, where starting the window system would abort.
// The program runs from a folder of its own, so the popularity.db an import writes beside it stays there, and
// a failed import keeps it.
#include "TervalaVersion.h"
#include "TestDatabase.h"
#include "popularity/PopularitySource.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

// All of the text, or as much of it as expected has when expected is a start only.
QString shown(const QString& text, const QString& expected)
{
    return expected.isEmpty() || expected.endsWith('\n') ? text : text.left(expected.size());
}

} // namespace

TEST(CommandLine, AnsweredWithoutADisplay)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("tervala");
    ASSERT_TRUE(QFile::copy(TERVALA_EXECUTABLE, program));
    const QString good = dir.filePath("us-name-data.sqlite");
    writeSourceFile(good, SampleRows);
    const QString missing = dir.filePath("missing.sqlite");
    const QString version = QString("Tervala %1\n").arg(tervala::TervalaVersion);
    const struct {
        QStringList arguments;
        int exitCode;
        QString out; // standard output, or its start when this does not end in a line end
        QString err; // standard error, the same way
        qint64 storedRows; // 0: no popularity.db
    } cases[] = {
        { { "--version" }, 0, version, "", 0 },
        { { "--help" }, 0, "Usage: ", "", 0 },
        { { "--builder", "--no-such-option" }, 1, "", "Tervala: Unknown option 'no-such-option'.", 0 },
        { { "--import-popularity", good },
          0,
          "Importing 11 rows of us-name-data.sqlite, years 2022 to 2024\nRead 100%\n"
          "Sorting by name and writing popularity.db\nDone: "
              + dir.filePath("popularity.db") + "\n",
          "",
          11 },
        { { "--import-popularity", missing }, 1, "", "Tervala: No such file: " + missing + "\n", 11 },
        { {}, 1, "", "Tervala: no display: set DISPLAY or WAYLAND_DISPLAY\n", 11 },
        { { "--builder" }, 1, "", "Tervala: no display: set DISPLAY or WAYLAND_DISPLAY\n", 11 },
        { { "-platform", "wayland" }, 1, "", "Tervala: no display: set DISPLAY or WAYLAND_DISPLAY\n", 11 },
        // Qt's own options are taken, with one dash or two, before the program's.
        { { "-platform", "offscreen", "--version" }, 0, version, "", 11 },
        { { "--style=fusion", "-reverse", "--help" }, 0, "Usage: ", "", 11 },
        { { "-platform" }, 1, "", "Tervala: Missing value after '-platform'.", 11 },
        { { "--run-stages" }, 1, "", "Tervala: --run-stages needs --builder.\n", 11 },
        // No db17000.mdb beside the program: the first stage fails, told without a message box.
        { { "--builder", "--run-stages", "-platform", "offscreen" }, 1, "", "Error 14: unable to open", 11 },
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    // A window system started offscreen would warn about a missing runtime folder first.
    environment.insert("XDG_RUNTIME_DIR", dir.path());
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        QProcess run;
        run.setProcessEnvironment(environment);
        run.start(program, test.arguments);
        ASSERT_TRUE(run.waitForFinished(20000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), test.exitCode);
        EXPECT_EQ(shown(QString::fromUtf8(run.readAllStandardOutput()), test.out), test.out);
        EXPECT_EQ(shown(QString::fromUtf8(run.readAllStandardError()), test.err), test.err);
        const auto stored = tervala::PopularityFile::openIn(dir.path());
        EXPECT_EQ(stored ? stored->note().rows : 0, test.storedRows);
    }
}

// The README's builder example: the example pages run through the four stages, as their buttons run them, give
// the origin page's row in bayiorigin and the list page's names, cleaned, in namabayi.
TEST(CommandLine, BuilderRunsTheExamplePages)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("tervala");
    ASSERT_TRUE(QFile::copy(TERVALA_EXECUTABLE, program));
    ASSERT_TRUE(QFile::copy(QFileInfo(TERVALA_EXECUTABLE).dir().filePath("db17000.mdb"), dir.filePath("db17000.mdb")));
    ASSERT_EQ(QProcess::execute("cp", { "-r", TERVALA_DATA_DIR "/builder-examples/drive_c", dir.path() }), 0);
    QProcess run;
    run.start(program, { "--builder", "--run-stages", "-platform", "offscreen" });
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(run.readAllStandardOutput()),
              QString("Command2: selesai\nCommand1: selesai\nCommand3: Ariel\nCommand4: Ariel\n"));
    const QString row = "select nama || '|' || arti || '|' || asal || '|' || jk from ";
    EXPECT_EQ(TestDatabase::plainSqlite(dir.filePath("db17000.mdb"), row + "bayiorigin"),
              QStringList { "Aino|the only one|Finnish|F" });
    EXPECT_EQ(TestDatabase::plainSqlite(dir.filePath("db17000.mdb"), row + "namabayi order by nama"),
              QStringList({ "Abel|breath, vapour|Hebrew|M", "Ariel|lion of God|Hebrew|M" }));
}
