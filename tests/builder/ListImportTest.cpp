// The list page import: origin and gender from file names, the item walk on small pages (including the cuts
// that leave the cursor at 0), and the stage run through Command2 on a folder of hand-made pages.
#include "builder/ListImport.h"

#include "BuilderFixture.h"
#include "TestSupport.h"
#include "runtime/CommandButton.h"

#include <gtest/gtest.h>

using namespace tervala;

namespace {

const QString Font = "<font size=\"2\" color=\"#9393FF\">";

// "name=meaning" of every pass of the walk.
QStringList walk(const QString& page)
{
    QStringList passes;
    walkListPage(page, [&](const ListItem& item) { passes << item.name + "=" + item.meaning; });
    return passes;
}

TEST(ListImport, FileName)
{
    const struct {
        QString fileName;
        QString origin;
        QString gender;
    } cases[] = {
        { "M_Hebrew.htm", "Hebrew.htm", "M" },
        { "f_Irish_2.html", "Irish", "f" },
        { "F__x", "", "F" },
        { "Mhebrew.htm", "", "M" },
        { "_x_y_z", "x", "_" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName.toStdString());
        EXPECT_EQ(originFromFileName(c.fileName), c.origin);
        EXPECT_EQ(genderFromFileName(c.fileName), c.gender);
    }
}

TEST(ListImport, Walk)
{
    const struct {
        const char* label;
        QString page;
        QStringList passes;
    } cases[] = {
        { "items, tags kept in names",
          "<ul><li>" + Font + "Abel</font> meaning &quot;breath&quot;</li><li>" + Font
              + "<b>Adam</b></font> meaning &quot;man&quot;</li></ul>",
          { "Abel=breath", "<b>Adam</b>=man", "=" } },
        { "no meaning anywhere", "<li>" + Font + "Abel</font><li>" + Font + "Adam</font>", { "Abel=" } },
        { "items after the last meaning",
          "<li>" + Font + "Abel</font> meaning &quot;a&quot;<li>" + Font + "B</font><li>" + Font + "C</font>",
          { "Abel=a", "B=" } },
        { "meaning not wrapped takes the next one",
          "<li>" + Font + "Abel</font> meaning breath<li>" + Font + "Adam</font> meaning &quot;man&quot;<li>" + Font
              + "Ali</font> meaning &quot;high&quot;",
          { "Abel=man", "Ali=high", "=" } },
        { "no quot at all goes on 6 further",
          "<li>" + Font + "Abel</font> meaning breath<li>" + Font + "Adam</font> meaning x",
          { "Abel=", "Adam=", "=", "=" } },
        { "meanings without items", "meaning &quot;a&quot; meaning &quot;b&quot;", { "=a", "=b", "=" } },
        { "item without font tag takes the next", "<li>Abel meaning &quot;a&quot;<li>" + Font + "B</font>", { "B=" } },
        { "empty page", "", { "=" } },
        { "name without end ends the page",
          "<li>" + Font + "Ann</font> meaning &quot;grace&quot;<li>" + Font + "Abel meaning &quot;x&quot;",
          { "Ann=grace", "=" } },
        { "meaning without closing quot ends the page",
          "<li>" + Font + "Ann</font> meaning &quot;grace<li>" + Font + "Abel</font> meaning x",
          { "Ann=" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(walk(c.page), c.passes);
    }
}

class ListImportStage : public BuilderFixture {
protected:
    void writePage(const QString& fileName, const QByteArray& bytes)
    {
        writeFile("drive_c/data/Tervala/db20000/" + fileName, bytes);
    }
};

TEST_F(ListImportStage, ImportsEveryPlainFileInListingOrder)
{
    const QByteArray font = Font.toLatin1();
    writePage("M_Hebrew.htm",
              "<ul>\r\n<li>" + font + "Abel</font> meaning &quot;a \fbreath&quot;</li>\r\n<li>no name meaning "
                  + "&quot;none&quot;</li>\r\n<li>" + font + "<b>D'Arcy</b></font>\r\n meaning &quot;it&#039;s dark"
                  + "&quot;</li>\r\n<li>" + font + "Zo\xEB \x80</font> meaning &quot;li\r\nfe&quot;</ul>\r\n");
    writePage("f_Irish_x.html", "<li>" + font + " Aoife\n</font> meaning &quot;radiant&quot;\n");
    writePage("Mnounderscore", "<li>" + font + "Noa</font>");
    writePage(".F_Hidden.htm", "<li>" + font + "Hidden</font>");
    writePage("sub/M_Deep.htm", "<li>" + font + "Deep</font>");
    insertRows("bayi20000", { { "Old", "", "", "" } });

    click(m_form->Command2);

    const QList<QStringList> expected = {
        { "Aoife\n", "radiant", "Irish", "f" },
        { "Noa", "", "", "M" },
        { "Abel", "a breath", "Hebrew.htm", "M" },
        { "<b>D'Arcy</b>", "it&#039;s dark", "Hebrew.htm", "M" },
        { QString::fromUtf8("Zoë €"), "life", "Hebrew.htm", "M" },
    };
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayi20000"), expected);
    EXPECT_EQ(m_form->caption(), "selesai");

    click(m_form->Command2);
    EXPECT_EQ(rows("bayi20000"), expected);
}

TEST_F(ListImportStage, MissingFolderEmptiesTheTable)
{
    insertRows("bayi20000", { { "Old", "", "", "" } });
    click(m_form->Command2);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayi20000"), QList<QStringList>());
    EXPECT_EQ(m_form->caption(), "selesai");
}

TEST_F(ListImportStage, QuoteInOriginEndsTheStage)
{
    const QByteArray item = "<li>" + Font.toLatin1() + "Abel</font> meaning &quot;x&quot;";
    writePage("F_a.htm", item);
    writePage("M_O'Brien.htm", item + item);
    writePage("M_z.htm", item);
    click(m_form->Command2);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(rows("bayi20000"), QList<QStringList>({ { "Abel", "x", "a.htm", "F" } }));
}

} // namespace
