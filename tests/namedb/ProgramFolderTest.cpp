// The program folder in a build tree and installed, and the seeding of a user's data folder from the packaged
// databases: missing files copied whole, present ones kept, a copy cut short leaving nothing under its name.
#include "namedb/ProgramFolder.h"

#include "TestSupport.h"
#include "runtime/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <unistd.h>

using tervala::copyIfMissing;
using tervala::packagedDataFolder;
using tervala::prepareProgramFolder;
using tervala::rt::FileError;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Hands out the first `limit` bytes of its data, then fails as a disk or a killed copy would.
class FailingSource : public QIODevice {
public:
    FailingSource(QByteArray data, qint64 limit)
        : m_data(std::move(data))
        , m_limit(limit)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        if (m_given == m_data.size())
            return 0;
        const qint64 count = std::min(max, m_limit - m_given);
        if (count <= 0)
            return -1;
        std::memcpy(out, m_data.constData() + m_given, static_cast<std::size_t>(count));
        m_given += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_limit;
    qint64 m_given = 0;
};

// <root>/prefix/bin as the executable's folder, the packaged databases in <root>/prefix/share/tervala, and an
// empty data home <root>/home.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(bin));
        write(packaged + "/ter.va", "sample names");
        write(packaged + "/db17000.mdb", "empty staging");
    }

    QStringList dataFiles() const { return QDir(dataFolder).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir root;
    const QString bin = root.filePath("prefix/bin");
    const QString packaged = root.filePath("prefix/share/tervala");
    const QString dataHome = root.filePath("home");
    const QString dataFolder = dataHome + "/tervala";
};

} // namespace

TEST_F(ProgramFolder, BuildTreeIsTheExecutablesFolderAndTouchesNothing)
{
    const QString build = root.filePath("build");
    const QString binWithoutPackage = root.filePath("other/bin");
    ASSERT_TRUE(QDir().mkpath(build));
    ASSERT_TRUE(QDir().mkpath(binWithoutPackage));
    for (const QString& folder : { build, binWithoutPackage }) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_EQ(packagedDataFolder(folder), QString());
        EXPECT_EQ(prepareProgramFolder(folder, dataHome), folder);
    }
    EXPECT_FALSE(QFileInfo::exists(dataHome));
}

TEST_F(ProgramFolder, InstalledSeedsMissingFilesAndKeepsPresentOnes)
{
    EXPECT_EQ(packagedDataFolder(bin), packaged);
    EXPECT_EQ(prepareProgramFolder(bin, dataHome), dataFolder);
    EXPECT_EQ(contents(dataFolder + "/ter.va"), "sample names");
    EXPECT_EQ(contents(dataFolder + "/db17000.mdb"), "empty staging");
    EXPECT_EQ(dataFiles(), QStringList({ "db17000.mdb", "ter.va" }));

    // A user's favourites are never replaced by the sample; only the file that went missing comes back.
    write(dataFolder + "/ter.va", "my favourites");
    ASSERT_TRUE(QFile::remove(dataFolder + "/db17000.mdb"));
    EXPECT_EQ(prepareProgramFolder(bin, dataHome), dataFolder);
    EXPECT_EQ(contents(dataFolder + "/ter.va"), "my favourites");
    EXPECT_EQ(contents(dataFolder + "/db17000.mdb"), "empty staging");
    EXPECT_EQ(contents(packaged + "/ter.va"), "sample names");
}

TEST_F(ProgramFolder, DataFolderThatCannotBeMadeIsNamedAndNothingIsCopied)
{
    // A file where the data home should be: no user, not even root, can make a folder below it.
    write(dataHome, "not a folder");
    try {
        prepareProgramFolder(bin, dataHome);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), dataFolder);
    }
    EXPECT_EQ(contents(dataHome), "not a folder");
}

TEST_F(ProgramFolder, ReadOnlyDataFolderIsNamedAndNothingIsCopied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes in any folder";
    ASSERT_TRUE(QDir().mkpath(dataFolder));
    ASSERT_TRUE(QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::ExeOwner));
    try {
        prepareProgramFolder(bin, dataHome);
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), dataFolder);
    }
    EXPECT_EQ(dataFiles(), QStringList());
    QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ProgramFolder, MissingPackagedFileIsNamed)
{
    ASSERT_TRUE(QFile::remove(packaged + "/db17000.mdb"));
    try {
        prepareProgramFolder(bin, dataHome);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), packaged + "/db17000.mdb");
    }
}

TEST_F(ProgramFolder, CopyCutShortLeavesNothingAndTheNextStartCopiesWhole)
{
    ASSERT_TRUE(QDir().mkpath(dataFolder));
    // What a copy killed halfway by an earlier start left behind.
    write(dataFolder + "/.ter.va.AbC123", "sample");
    const QByteArray data(200000, 'x');
    FailingSource source(data, 70000);
    EXPECT_THROW(copyIfMissing(source, dataFolder + "/ter.va"), FileError);
    EXPECT_EQ(dataFiles(), QStringList({ ".ter.va.AbC123" }));

    EXPECT_EQ(prepareProgramFolder(bin, dataHome), dataFolder);
    EXPECT_EQ(contents(dataFolder + "/ter.va"), "sample names");

    FailingSource whole(data, data.size());
    EXPECT_TRUE(copyIfMissing(whole, dataFolder + "/big"));
    EXPECT_EQ(contents(dataFolder + "/big"), data);
    FailingSource again(QByteArray("other"), 5);
    EXPECT_FALSE(copyIfMissing(again, dataFolder + "/big"));
    EXPECT_EQ(contents(dataFolder + "/big"), data);
}
