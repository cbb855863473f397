// The origin page import: the four cuts of one page in their order, and the stage run through Command1 on a
// mirrored site made of a few folders, with the side file in the program folder.
#include "builder/OriginImport.h"

#include "BuilderFixture.h"
#include "TestSupport.h"
#include "runtime/CommandButton.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tervala;

namespace {

const QString Name = "<h1 class=\"name\">Abel</h1>";
const QString Origin = "<h2 class=\"origin\"><a href=\"/hebrew\">Hebrew</a></h2>";
const QString Gender = "<p>Gender &middot; Male</p>";
const QString Meaning = "<p class=\"meaning\">breath</p>";

QStringList cut(const QString& page)
{
    const StagingRow row = cutOriginPage(page);
    return { row.name, row.meaning, row.origin, row.gender };
}

TEST(OriginImport, Cuts)
{
    const struct {
        const char* label;
        QString page;
        QStringList row; // name, meaning, origin, gender text
    } cases[] = {
        { "whole page", Name + Origin + Gender + Meaning, { "Abel", "breath", "Hebrew", "Male" } },
        { "no markers", "<html><body>Abel</body></html>", { "", "", "", "" } },
        { "no name heading", Origin + Gender + Meaning, { "", "breath", "Hebrew", "Male" } },
        { "name in an inner tag", "<h1 class=\"name\"><span>Abel</span></h1>" + Origin, { "", "", "Hebrew", "" } },
        { "origin without inner tag", "<h2 class=\"origin\">Hebrew</h2> via Greek<p>", { "", "", " via Greek", "" } },
        { "gender with a blank",
          "&middot;  Female<p class=\"meaning\"> a gift </p>",
          { "", " a gift ", "", " Female" } },
        { "empty gender", "&middot; <", { "", "", "", "" } },
        { "meaning before name", Meaning + Name, { "Abel", "", "", "" } },
        { "name without end", Origin + "<h1 class=\"name\">Abel", { "", "", "", "" } },
        { "origin without end", Name + "<h2 class=\"origin\"><b>Hebrew &middot; Male", { "Abel", "", "", "" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(cut(c.page), c.row);
    }
}

class OriginImportStage : public BuilderFixture {
protected:
    void writePage(const QString& entry, const QByteArray& bytes)
    {
        writeFile("drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning/" + entry, bytes);
    }
    QString sideFile() const { return QDir(m_programFolder.path()).filePath("namaorigin.htm"); }
};

TEST_F(OriginImportStage, OneRowPerPageInListingOrder)
{
    writePage("zoe/index.html",
              "<h1 class=\"name\">Zo\xEB</h1>\r\n<h2 class=\"origin\"><a>Greek</a></h2>&middot; female<p "
              "class=\"meaning\">li\r\nfe \f</p>");
    writePage("abel.jr/index.html", (Name + Origin + Gender + "<p class=\"meaning\">it's\tbreath</p>").toLatin1());
    writePage("Ann/index.html", "<html>nothing here</html>");
    writePage("empty/readme.txt", "");
    writePage("plain.txt", "");
    writePage(".hidden/index.html", Name.toLatin1());
    writeFile("namaorigin.htm", "old");
    insertRows("bayiorigin", { { "Old", "", "", "" } });

    click(m_form->Command1);

    const QList<QStringList> expected = {
        { "Abel", "it's\tbreath", "Hebrew", "M" },
        { "", "", "", "" },
        { QString::fromUtf8("Zoë"), "life", "Greek", "f" },
    };
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin"), expected);
    EXPECT_EQ(m_form->caption(), "selesai");
    EXPECT_TRUE(QFile::exists(sideFile()));
    EXPECT_EQ(QFile(sideFile()).size(), 0);

    click(m_form->Command1);
    EXPECT_EQ(rows("bayiorigin"), expected);
}

TEST_F(OriginImportStage, MissingRootStillLeavesTheSideFile)
{
    insertRows("bayiorigin", { { "Old", "", "", "" } });
    click(m_form->Command1);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin"), QList<QStringList>());
    EXPECT_EQ(m_form->caption(), "selesai");
    EXPECT_TRUE(QFile::exists(sideFile()));
}

} // namespace
