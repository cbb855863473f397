// Which entries of a folder are listed (by what they name after following links, whatever bytes their names
// hold), how their names read, and the listing order.
#include "runtime/FolderListing.h"

#include "TestSupport.h"
#include "runtime/TextFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tervala::rt;

namespace {

// Makes each entry in folder: "f" a file, "d" a folder, "p" a FIFO, or "->target" a symbolic link.
void makeEntries(const QByteArray& folder, const std::vector<std::pair<QByteArray, QByteArray>>& entries)
{
    for (const auto& [name, kind] : entries) {
        const QByteArray path = folder + '/' + name;
        int rc = 0;
        if (kind == "f")
            rc = close(creat(path.constData(), 0644));
        else if (kind == "d")
            rc = mkdir(path.constData(), 0755);
        else if (kind == "p")
            rc = mkfifo(path.constData(), 0644);
        else
            rc = symlink(kind.mid(2).constData(), path.constData());
        ASSERT_EQ(rc, 0) << path.constData();
    }
}

QStringList namesOf(const QList<FolderEntry>& entries)
{
    QStringList names;
    for (const FolderEntry& entry : entries)
        names << entry.name;
    return names;
}

} // namespace

TEST(FolderListing, EntriesByWhatTheyNameWhateverTheirBytes)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    makeEntries(folder,
                { { "M_Plain_1.htm", "f" },
                  { "F_Fran\xe7"
                    "ais_1.htm",
                    "f" }, // Windows-1252, not valid UTF-8
                  { "F_Zo\xc3\xab_1.htm", "f" }, // UTF-8
                  { "M_Back\\slash_1.htm", "f" },
                  { "M_Quote'; drop table x_1.htm", "f" },
                  { ".hidden", "f" },
                  { "sub", "d" },
                  { "fifo", "p" },
                  { "to_file", "->M_Plain_1.htm" },
                  { "to_folder", "->sub" },
                  { "M_Zero_1.htm", "->/dev/zero" },
                  { "dangling", "->missing" },
                  { "loop", "->loop" } });
    const QStringList files
        = { "F_Français_1.htm", "F_Zoë_1.htm", "M_Back\\slash_1.htm", "M_Plain_1.htm", "M_Quote'; drop table x_1.htm",
            "to_file" };
    const QList<FolderEntry> listed = listFolder(dir.path(), FolderEntries::Files);
    EXPECT_EQ(namesOf(listed), files);
    // The host path keeps the name's own bytes, so the file opens.
    EXPECT_EQ(listed.at(0).hostPath,
              folder
                  + "/F_Fran\xe7"
                    "ais_1.htm");
    EXPECT_NO_THROW(TextFile(listed.at(0).hostPath, 10));
    EXPECT_EQ(namesOf(listFolder(dir.path(), FolderEntries::FilesAndFolders)),
              QStringList(files.mid(0, 5)) << "sub"
                                           << "to_file"
                                           << "to_folder");
    EXPECT_EQ(listFolder(dir.filePath("missing"), FolderEntries::Files).size(), 0);
    EXPECT_EQ(listFolder(dir.filePath("M_Plain_1.htm"), FolderEntries::Files).size(), 0);
    // QDir, and so QTemporaryDir, cannot see this name to remove it.
    unlink(listed.at(0).hostPath.constData());
}

TEST(FolderListing, UpperCasedOrdinalOrder)
{
    // Upper-cased, "_" (0x5F) sorts after every letter; folding to lower case would put it before them.
    QStringList names = { "b", "_x", "a_b", "AB", "Émile", "ab", "Z", "1", "a.b" };
    std::sort(names.begin(), names.end(), listsBefore);
    EXPECT_EQ(names, QStringList({ "1", "a.b", "AB", "ab", "a_b", "b", "Z", "_x", "Émile" }));
}
