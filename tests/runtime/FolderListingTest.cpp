// Which entries listFolder gives and in which order, on small folders made for each test.
#include "runtime/FolderListing.h"

#include "TestSupport.h"
#include "runtime/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using tervala::rt::FileError;
using tervala::rt::FolderEntries;
using tervala::rt::listFolder;
using tervala::rt::listsBefore;

namespace {

class FolderListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : { "b.txt", "A.htm", ".hidden", "c_d_e", "Zeta" }) {
            QFile file(m_dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        QDir root(m_dir.path());
        for (const char* name : { "abel.jr", ".git", "sub" })
            ASSERT_TRUE(root.mkdir(name));
        QFile nested(m_dir.filePath("sub/inner.txt"));
        ASSERT_TRUE(nested.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_dir;
};

TEST_F(FolderListingTest, FilesOnly)
{
    EXPECT_EQ(listFolder(m_dir.path(), FolderEntries::Files), QStringList({ "A.htm", "b.txt", "c_d_e", "Zeta" }));
}

TEST_F(FolderListingTest, FilesAndFolders)
{
    EXPECT_EQ(listFolder(m_dir.path() + "/", FolderEntries::FilesAndFolders),
              QStringList({ "A.htm", "abel.jr", "b.txt", "c_d_e", "sub", "Zeta" }));
}

TEST_F(FolderListingTest, MissingFolderIsEmpty)
{
    EXPECT_EQ(listFolder(m_dir.filePath("none"), FolderEntries::Files), QStringList());
    EXPECT_EQ(listFolder(m_dir.filePath("b.txt"), FolderEntries::FilesAndFolders), QStringList());
}

TEST_F(FolderListingTest, UnreadableFolderThrows)
{
    const QString locked = m_dir.filePath("sub");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const bool stillReadable = QDir(locked).isReadable();
    if (!stillReadable) {
        EXPECT_THROW(listFolder(locked, FolderEntries::Files), FileError);
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (stillReadable)
        GTEST_SKIP() << "permissions do not bind this user";
}

TEST(FolderListingOrder, UpperCasedOrdinal)
{
    // Upper-cased, "_" (0x5F) sorts after every letter; folding to lower case would put it before them.
    QStringList names = { "b", "_x", "a_b", "AB", "Émile", "ab", "ezra", "Z", "1", "a.b" };
    std::sort(names.begin(), names.end(), listsBefore);
    EXPECT_EQ(names, QStringList({ "1", "a.b", "AB", "ab", "a_b", "b", "ezra", "Z", "_x", "Émile" }));
}

} // namespace
