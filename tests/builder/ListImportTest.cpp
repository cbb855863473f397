// The list page import: the item walk on small pages (including the cuts that leave the cursor at 0), and the
// stage run through Command2 on a folder of hand-made pages whose names give origin and gender.
#include "builder/ListImport.h"

#include "BuilderFixture.h"

using namespace tervala;

const QString Font = "<font size=\"2\" color=\"#9393FF\">";

TEST(ListImport, Walk)
{
    const struct {
        const char* label;
        QString page;
        QStringList passes; // "name=meaning" of every pass
    } cases[] = {
        { "items, tags kept in names",
          "<li>" + Font + "Abel</font> meaning &quot;breath&quot;<li>" + Font + "<b>Adam</b></font> meaning &quot;man",
          { "Abel=breath", "<b>Adam</b>=" } },
        { "no names", "meaning &quot;a&quot; meaning &quot;b&quot;", { "=a", "=b", "=" } },
        { "meaning not wrapped takes the next one",
          "<li>" + Font + "Abel</font> meaning breath<li>" + Font + "Adam</font> meaning &quot;man&quot;",
          { "Abel=man", "=" } },
        { "name without end ends the page",
          "<li>" + Font + "Ann</font> meaning &quot;grace&quot;<li>" + Font + "Abel meaning &quot;x&quot;",
          { "Ann=grace", "=" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QStringList passes;
        walkListPage(c.page, [&](const ListItem& item) { passes << item.name + "=" + item.meaning; });
        EXPECT_EQ(passes, c.passes);
    }
}

using ListImportStage = BuilderFixture;

TEST_F(ListImportStage, ImportsEveryPlainFileInListingOrder)
{
    const QString folder = "drive_c/data/Tervala/db20000/";
    const QByteArray font = Font.toLatin1();
    writeFile(folder + "M_Hebrew.htm",
              "<li>" + font + "<b>D'Arcy</b></font>\r\n meaning &quot;a \fbreath&quot;</li>\r\n<li>" + font
                  + "Zo\xEB \x80</font> meaning &quot;li\r\nfe&quot;</ul>\r\n");
    writeFile(folder + "f_Irish_x.html", "<li>" + font + " Aoife\n</font> meaning &quot;radiant&quot;\n");
    writeFile(folder + ".F_Hidden.htm", "<li>" + font + "Hidden</font>");
    writeFile(folder + "sub/M_Deep.htm", "<li>" + font + "Deep</font>");
    insertRows("bayi20000", { { "Old", "", "", "" } });

    const QStringList expected = {
        "Aoife\n|radiant|Irish|f",
        "<b>D'Arcy</b>|a breath|Hebrew.htm|M",
        "Zoë €|life|Hebrew.htm|M",
    };
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        click(m_form->Command2);
        EXPECT_EQ(m_errors, QStringList());
        EXPECT_EQ(rows("bayi20000"), expected);
    }
}

TEST(ListImport, WalkCrawlingThroughALongGapStaysLinear)
{
    // "meaning " with no "&quot;" after it moves the cursor 6 characters a pass; a walk that searched the rest
    // of the page again in each pass would take hours here.
    const qsizetype gap = 4 * 1024 * 1024;
    const QString page = "meaning " + QString(gap, 'x') + "meaning ";
    qsizetype passes = 0;
    bool allEmpty = true;
    walkListPage(page, [&](const ListItem& item) {
        ++passes;
        allEmpty = allEmpty && item.name.isEmpty() && item.meaning.isEmpty();
    });
    EXPECT_TRUE(allEmpty);
    EXPECT_EQ(passes, (8 + gap) / 6 + 2);
}
