// A text file is read only when it is a regular file after following links, and never past its bound.
#include "runtime/TextFile.h"

#include "TestSupport.h"
#include "runtime/FileError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace tervala::rt;

TEST(TextFile, ReadsOnlyBoundedRegularFiles)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    QFile large(dir.filePath("large"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(1001)); // sparse: nothing is written
    large.close();
    ASSERT_EQ(mkfifo((folder + "/fifo").constData(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", (folder + "/zero").constData()), 0);
    ASSERT_EQ(symlink("fifo", (folder + "/to_fifo").constData()), 0);
    ASSERT_EQ(mkdir((folder + "/sub").constData(), 0755), 0);
    for (const char* name : { "large", "fifo", "to_fifo", "zero", "sub", "missing" }) {
        SCOPED_TRACE(name);
        EXPECT_THROW(TextFile(folder + '/' + name, 1000), FileError);
    }
    EXPECT_NO_THROW(TextFile(folder + "/large", 1001));
}
