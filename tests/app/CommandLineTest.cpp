// The options that need no window: answered with no display at all, where starting the window system would abort.
#include "TestSupport.h"

#include <QProcess>

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
