// The options that need no window: answered with no display at all, where starting the window system would abort.
#include "TestSupport.h"
#include "popularity/PopularitySource.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CommandLine, AnsweredWithoutADisplay)
{
    struct Case {
        QStringList arguments;
        int exitCode;
        QString stdoutStart;
        QString stderrStart;
    };
    const Case cases[] = {
        { { "--version" }, 0, "Tervala 2.0\n", "" },
        { { "--help" }, 0, "Usage: ", "" },
        { { "--builder", "--no-such-option" }, 1, "", "Tervala: Unknown option 'no-such-option'." },
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    for (const Case& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TERVALA_EXECUTABLE, test.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), test.exitCode);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(out.left(test.stdoutStart.size()), test.stdoutStart);
        EXPECT_EQ(err.left(test.stderrStart.size()), test.stderrStart);
        if (test.stderrStart.isEmpty()) {
            EXPECT_EQ(err, QString());
        }
    }
}

// The import runs without a display and writes popularity.db beside the executable, which is copied into a
// folder of its own so the build's program folder stays without one.
TEST(CommandLine, ImportsPopularityWithoutADisplay)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("tervala");
    ASSERT_TRUE(QFile::copy(TERVALA_EXECUTABLE, program));
    const QString good = dir.filePath("us-name-data.sqlite");
    writeSourceFile(good, SampleRows);
    const QString bad = dir.filePath("names.sqlite");
    writeSourceFile(bad, {}, "create table usNameData(id integer, name text, sex text, year integer)");

    struct Case {
        QString source;
        int exitCode;
        QStringList out;
        QString err;
        qint64 storedRows; // 0: no popularity.db
    };
    const Case cases[] = {
        { bad, 1, {}, "Tervala: The table usNameData lacks the column(s) births, rank: " + bad + "\n", 0 },
        { good,
          0,
          { "Importing 11 rows of us-name-data.sqlite, years 2022 to 2024",
            "Read 33%",
            "Read 66%",
            "Read 99%",
            "Read 100%",
            "Sorting by name and writing popularity.db",
            "Done: " + dir.filePath("popularity.db") },
          "",
          11 },
        { dir.filePath("missing.sqlite"),
          1,
          {},
          "Tervala: No such file: " + dir.filePath("missing.sqlite") + "\n",
          11 },
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    for (const Case& test : cases) {
        SCOPED_TRACE(test.source.toStdString());
        QProcess run;
        run.setProcessEnvironment(environment);
        run.start(program, { "--import-popularity", test.source });
        ASSERT_TRUE(run.waitForFinished(20000));
        EXPECT_EQ(run.exitCode(), test.exitCode);
        EXPECT_EQ(QString::fromUtf8(run.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), test.out);
        EXPECT_EQ(QString::fromUtf8(run.readAllStandardError()), test.err);
        const auto stored = tervala::PopularityFile::openIn(dir.path());
        EXPECT_EQ(stored ? stored->note().rows : 0, test.storedRows);
    }
}
