// The program folder in a build tree and installed, with the seeding of a user's data folder from the packaged
// databases: missing files copied whole, present ones never replaced, a copy cut short leaving nothing under its
// name, a folder or packaged file that cannot be used named.
#include "namedb/ProgramFolder.h"

#include "TestSupport.h"
#include "runtime/hostfiles/FileError.h"

#include <QBuffer>
#include <QTemporaryDir>

using namespace tervala;

TEST(ProgramFolder, BuildTreeAsItIsInstalledSeededWithoutEverReplacingAFile)
{
    QTemporaryDir root;
    const QString bin = root.filePath("prefix/bin");
    const QString dataHome = root.filePath("home");
    const QString dataFolder = dataHome + "/tervala";
    for (const QString& folder : { root.filePath("build"), bin }) {
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_EQ(prepareProgramFolder(folder, dataHome), folder);
    }
    EXPECT_FALSE(QFileInfo::exists(dataHome));

    const QByteArray sample = QByteArray(100000, 's') + "names"; // more than one piece of a copy
    ASSERT_TRUE(writeFile(root.filePath("prefix/share/tervala/ter.va"), sample));
    ASSERT_TRUE(writeFile(root.filePath("prefix/share/tervala/db17000.mdb"), "staging"));
    ASSERT_TRUE(
        writeFile(dataFolder + "/.ter.va.AbC123", "sam")); // what a copy killed halfway by an earlier start left behind
    EXPECT_EQ(prepareProgramFolder(bin, dataHome), dataFolder);
    EXPECT_EQ(readFile(dataFolder + "/ter.va") + readFile(dataFolder + "/db17000.mdb"), sample + "staging");
    // A user's favourites are never replaced by the sample; only the file that went missing comes back.
    ASSERT_TRUE(writeFile(dataFolder + "/ter.va", "my favourites"));
    ASSERT_TRUE(QFile::remove(dataFolder + "/db17000.mdb"));
    EXPECT_EQ(prepareProgramFolder(bin, dataHome), dataFolder);
    EXPECT_EQ(readFile(dataFolder + "/ter.va") + readFile(dataFolder + "/db17000.mdb"), "my favouritesstaging");
    QBuffer unreadable; // a read fails, as from a failing disk
    EXPECT_THROW(copyIfMissing(unreadable, dataFolder + "/copy"), rt::FileError);
    EXPECT_EQ(QDir(dataFolder).entryList(QDir::Files | QDir::Hidden).size(), 3);

    const auto errorPath = [&](const QString& home) {
        try {
            prepareProgramFolder(bin, home);
        } catch (const rt::FileError& error) {
            return error.path();
        }
        return QString("no error");
    };
    ASSERT_TRUE(writeFile(root.filePath("file"), "x")); // no user, not even root, can make a folder below a file
    EXPECT_EQ(errorPath(root.filePath("file")), root.filePath("file/tervala"));
    ASSERT_TRUE(QFile::remove(root.filePath("prefix/share/tervala/db17000.mdb")));
    EXPECT_EQ(errorPath(root.filePath("new")), root.filePath("prefix/share/tervala/db17000.mdb"));
}
