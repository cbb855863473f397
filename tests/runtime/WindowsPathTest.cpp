// Fixed Windows paths below the program folder: only their own separators are mapped, so a "\" in the program
// folder's name stays a character of that name.
#include "runtime/WindowsPath.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using tervala::rt::toHostPath;

TEST(WindowsPath, DriveCBelowTheProgramFolder)
{
    const struct {
        QString programFolder;
        QString windowsPath;
        QString hostPath;
    } cases[] = {
        { "/opt/tervala", "C:\\data\\Tervala\\db20000\\", "/opt/tervala/drive_c/data/Tervala/db20000/" },
        { "/opt/tervala", "c:\\My Web Sites\\x", "/opt/tervala/drive_c/My Web Sites/x" },
        { "/home/a\\b", "C:\\data\\", "/home/a\\b/drive_c/data/" },
        { "/home/C:\\", "C:\\d", "/home/C:\\/drive_c/d" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.programFolder + " " + c.windowsPath).toStdString());
        EXPECT_EQ(toHostPath(c.programFolder, c.windowsPath), c.hostPath);
    }
}
