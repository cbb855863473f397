// Files as the old platform saw them: which entries of a folder are listed (by what they name after following
// links, whatever bytes their names hold) and in which order, text files read in Windows-1252 with CR or CR LF
// ending a line and never past their bound, and fixed Windows paths mapped below the program folder.
#include "TestSupport.h"
#include "runtime/hostfiles/DataHome.h"
#include "runtime/hostfiles/FileError.h"
#include "runtime/hostfiles/FolderListing.h"
#include "runtime/hostfiles/TextFile.h"
#include "runtime/hostfiles/WindowsPath.h"

#include <QTemporaryDir>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tervala::rt;

static QStringList names(const QString& folder, FolderEntries kinds)
{
    QStringList listed;
    for (const FolderEntry& entry : listFolder(folder, kinds))
        listed << entry.name;
    return listed;
}

TEST(HostFiles, ListedByWhatTheyNameWhateverTheirBytesAndReadAsWindows1252)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray french = "F_Fran\347ais_1.htm"; // Windows-1252, not valid UTF-8
    // Each entry: "d" a folder, "p" a FIFO, "->target" a symbolic link, else a file holding the bytes given.
    const std::pair<QByteArray, QByteArray> entries[] = {
        { french, "Zo\xebl\r\nb\rc\nd\r\n" },
        { "F_Zo\xc3\xab_1.htm", "" },
        { ".hidden", "" },
        { "sub", "d" },
        { "fifo", "p" },
        { "to_file", "->F_Zo\xc3\xab_1.htm" },
        { "to_folder", "->sub" },
        { "M_Zero_1.htm", "->/dev/zero" },
        { "loop", "->loop" },
    };
    for (const auto& [name, kind] : entries) {
        const QByteArray path = folder + name;
        int rc = -1;
        if (kind == "d")
            rc = mkdir(path.constData(), 0755);
        else if (kind == "p")
            rc = mkfifo(path.constData(), 0644);
        else if (kind.startsWith("->"))
            rc = symlink(kind.mid(2).constData(), path.constData());
        else if (const int file = creat(path.constData(), 0644);
                 write(file, kind.constData(), kind.size()) == kind.size())
            rc = close(file);
        ASSERT_EQ(rc, 0) << path.constData();
    }
    EXPECT_EQ(names(dir.path(), FolderEntries::Files), QStringList({ "F_Français_1.htm", "F_Zoë_1.htm", "to_file" }));
    EXPECT_EQ(names(dir.path(), FolderEntries::FilesAndFolders),
              QStringList({ "F_Français_1.htm", "F_Zoë_1.htm", "sub", "to_file", "to_folder" }));
    EXPECT_EQ(names(dir.filePath("missing"), FolderEntries::Files), QStringList());
    EXPECT_EQ(names(dir.filePath("sub/../F_Zoë_1.htm"), FolderEntries::Files), QStringList());

    // The host path keeps the name's own bytes, so the file opens.
    EXPECT_EQ(listFolder(dir.path(), FolderEntries::Files).at(0).hostPath, folder + french);
    QStringList lines;
    for (TextFile page(folder + french, 13); !page.atEnd();)
        lines << page.readLine();
    EXPECT_EQ(lines, QStringList({ "Zoël", "b", "c\nd" }));
    for (const QByteArray& name :
         { french, QByteArray("fifo"), QByteArray("M_Zero_1.htm"), QByteArray("sub"), QByteArray("missing") })
        EXPECT_THROW(TextFile(folder + name, 12), FileError) << name.constData();
    // QDir, and so QTemporaryDir, cannot see this name to remove it.
    unlink((folder + french).constData());
}

TEST(HostFiles, ListingOrderIsOrdinalOnUpperCasedNames)
{
    // Upper-cased, "_" (0x5F) sorts after every letter; folding to lower case would put it before them.
    QStringList names = { "b", "_x", "a_b", "AB", "Émile", "ab", "Z", "1", "a.b" };
    std::sort(names.begin(), names.end(), listsBefore);
    EXPECT_EQ(names, QStringList({ "1", "a.b", "AB", "ab", "a_b", "b", "Z", "_x", "Émile" }));
}

// Only the fixed path's own separators are mapped: a "\" in the program folder's name stays part of that name.
TEST(HostFiles, DriveCBelowTheProgramFolderWhateverItsName)
{
    EXPECT_EQ(toHostPath("/opt/tervala", "C:\\data\\Tervala\\db20000\\"), "/opt/tervala/drive_c/data/Tervala/db20000/");
    EXPECT_EQ(toHostPath("/opt/tervala", "c:\\My Web Sites\\x"), "/opt/tervala/drive_c/My Web Sites/x");
    EXPECT_EQ(toHostPath("/home/a\\b", "C:\\data\\"), "/home/a\\b/drive_c/data/");
    EXPECT_EQ(toHostPath("/home/C:\\", "C:\\d"), "/home/C:\\/drive_c/d");
}

// XDG_DATA_HOME as the XDG rules read it: an absolute path is used, a relative one ignored, and bytes that are not
// UTF-8 are refused rather than mapped onto a folder another such value would share.
TEST(HostFiles, DataHomeFromXdgDataHome)
{
    const std::pair<QByteArray, QString> cases[] = {
        // XDG_DATA_HOME, data home ("!" and the reason: refused)
        { "", "/home/ann/.local/share" },
        { "/srv/data/", "/srv/data" },
        { "/srv/d\xC3\xA4ta", "/srv/däta" },
        { "data", "/home/ann/.local/share" },
        { "./srv", "/home/ann/.local/share" },
        { "/srv/d\xE4ta", "!XDG_DATA_HOME holds bytes that are not UTF-8; name a folder whose name is UTF-8 text" },
        { "/srv/\xFF", "!XDG_DATA_HOME holds bytes that are not UTF-8; name a folder whose name is UTF-8 text" },
    };
    for (const auto& [variable, expected] : cases) {
        SCOPED_TRACE(variable.toStdString());
        try {
            EXPECT_EQ(dataHome(variable, "/home/ann"), expected);
        } catch (const FileError& error) {
            EXPECT_EQ("!" + error.reason(), expected);
        }
    }
}
