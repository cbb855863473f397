// Windows paths to host paths: drive C: beside the program, everything else only with "/" for "\".
#include "runtime/WindowsPath.h"

#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using tervala::rt::toHostPath;

TEST(WindowsPath, MapsDriveCAndSeparators)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const struct {
        QString windowsPath;
        QString expected;
    } cases[] = {
        { QStringLiteral("C:\\Tervala\\names.txt"), programFolder + QStringLiteral("/drive_c/Tervala/names.txt") },
        { QStringLiteral("c:\\x"), programFolder + QStringLiteral("/drive_c/x") },
        { QStringLiteral("C:\\"), programFolder + QStringLiteral("/drive_c/") },
        { QStringLiteral("/tmp/x\\ter.va"), QStringLiteral("/tmp/x/ter.va") },
        { QStringLiteral("/tmp/x/Tervala Ünï;test\\ter.va"), QStringLiteral("/tmp/x/Tervala Ünï;test/ter.va") },
        { QStringLiteral("/tmp/C:\\x"), QStringLiteral("/tmp/C:/x") },
        { QStringLiteral("ter.va"), QStringLiteral("ter.va") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windowsPath.toStdString());
        EXPECT_EQ(toHostPath(c.windowsPath), c.expected);
    }
}
