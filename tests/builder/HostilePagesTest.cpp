// The page imports on hostile folders: names in any bytes or with "\", links to devices, loops and nowhere,
// folders where files are expected, pages without markers, cut short, binary, with NUL bytes, quotes and SQL,
// or too large. Every page that can be read gives its rows; nothing else stops or hangs the stage.
#include "BuilderFixture.h"
#include "builder/PageText.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Font = "<font size=\"2\" color=\"#9393FF\">";

} // namespace

class HostilePages : public BuilderFixture {
protected:
    // QDir, and so QTemporaryDir, cannot see a name that is not valid UTF-8 to remove it: what was made goes here.
    ~HostilePages() override
    {
        for (auto made = m_made.rbegin(); made != m_made.rend(); ++made)
            if (rmdir(made->constData()) != 0)
                unlink(made->constData());
    }

    // Makes each entry in folder (a path below the program folder, in the host's bytes; made if missing): a page
    // of the given bytes, or, for "->target", a symbolic link, or, for "/", a folder.
    void makeEntries(const QByteArray& folder, const std::vector<std::pair<QByteArray, QByteArray>>& entries)
    {
        const QByteArray hostFolder = QFile::encodeName(m_db.folder()) + '/' + folder;
        if (access(hostFolder.constData(), F_OK) != 0) {
            ASSERT_TRUE(QDir().mkpath(QFile::decodeName(hostFolder)));
        }
        for (const auto& [name, content] : entries) {
            const QByteArray path = hostFolder + '/' + name;
            m_made << path;
            if (content.startsWith("->")) {
                ASSERT_EQ(symlink(content.mid(2).constData(), path.constData()), 0);
            } else if (content == "/") {
                ASSERT_EQ(mkdir(path.constData(), 0755), 0);
            } else {
                const int descriptor = creat(path.constData(), 0644);
                ASSERT_GE(descriptor, 0);
                ASSERT_EQ(write(descriptor, content.constData(), size_t(content.size())), content.size());
                close(descriptor);
            }
        }
    }

    static QByteArray listItem(const QByteArray& name, const QByteArray& meaning)
    {
        return "<li>" + Font + name + "</font> meaning &quot;" + meaning + "&quot;\r\n";
    }

    QByteArrayList m_made;
};

TEST_F(HostilePages, ListImportReadsEveryPageAndNothingElse)
{
    const QByteArray nul(1, '\0');
    makeEntries("drive_c/data/Tervala/db20000",
                { { "F_Fran\xe7"
                    "ais_1.htm",
                    listItem("Am\xe9lie", "loved") },
                  { "M_Back\\slash_1.htm", listItem("Basil", "king") },
                  { "M_Binary_1.htm", listItem("\x81\x8d\x8f\x90\x9d\x01\xff", "\x80") + "\xfe\r\r\n\x1a" },
                  { "M_Folder_1.htm", "/" },
                  { "M_Dangling_1.htm", "->nowhere" },
                  { "M_Loop_1.htm", "->M_Loop_1.htm" },
                  { "M_None_1.htm", "<html><body>no list here</body></html>" },
                  { "M_Nul_1.htm", listItem("A" + nul + "b", "c" + nul + "d") },
                  { "M_Quote_1.htm", listItem("O'Neil'); drop table bayi20000; --", "it's\"; delete from x") },
                  { "M_Truncated_1.htm", "<li>" + Font + "Abel</font> meaning &quot;brea" },
                  { "M_Zero_1.htm", "->/dev/zero" } });
    click(m_form->Command2);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(m_form->caption(), QString("selesai"));
    const QString nulText(1, QChar(0));
    EXPECT_EQ(rows("bayi20000"),
              QStringList({ "Amélie|loved|Français|F",
                            "Basil|king|Back\\slash|M",
                            QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d\u0001ÿ|€|Binary|M"),
                            "A" + nulText + "b|c" + nulText + "d|Nul|M",
                            "O'Neil'); drop table bayi20000; --|it's\"; delete from x|Quote|M",
                            "Abel||Truncated|M" }));
}

TEST_F(HostilePages, PageTooLargeIsAClearError)
{
    makeEntries("drive_c/data/Tervala/db20000", { { "M_Large_1.htm", listItem("Abel", "breath") } });
    QFile large(QDir(m_db.folder()).filePath("drive_c/data/Tervala/db20000/M_Large_1.htm"));
    ASSERT_TRUE(large.resize(tervala::MaxPageBytes + 1)); // sparse: nothing more is written
    click(m_form->Command2);
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors.at(0).startsWith("75: Cannot read file: larger than 67108864 bytes: "))
        << m_errors.at(0).toStdString();
    EXPECT_TRUE(m_errors.at(0).endsWith("/M_Large_1.htm")) << m_errors.at(0).toStdString();
}

TEST_F(HostilePages, OriginImportReadsEveryPageAndNothingElse)
{
    const QByteArray root = "drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning";
    makeEntries(root,
                { { "back\\slash", "/" },
                  { "fran\xe7"
                    "ais",
                    "/" },
                  { "device", "/" },
                  { "nested", "/" },
                  { "loop", "->loop" },
                  { "plain.html", "<h1 class=\"name\">Plain<" } });
    makeEntries(root + "/back\\slash", { { "index.html", "<h1 class=\"name\">Basil<" } });
    makeEntries(root
                    + "/fran\xe7"
                      "ais",
                { { "index.html", "<h1 class=\"name\">Am\xe9lie<" } });
    makeEntries(root + "/device", { { "index.html", "->/dev/zero" } });
    makeEntries(root + "/nested", { { "index.html", "/" } });
    click(m_form->Command1);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin"), QStringList({ "Basil|||", "Amélie|||" }));
}
