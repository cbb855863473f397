// The origin page import: the four cuts of one page in their order, and the stage run through Command1 on a
// mirrored site made of a few folders, with the side file in the program folder.
#include "builder/OriginImport.h"

#include "BuilderFixture.h"

using namespace tervala;

const QString Name = "<h1 class=\"name\">Abel</h1>";
const QString Origin = "<h2 class=\"origin\"><a href=\"/hebrew\">Hebrew</a></h2>";

TEST(OriginImport, Cuts)
{
    const struct {
        const char* label;
        QString page;
        QString row;
    } cases[] = {
        { "whole page",
          Name + Origin + "<p>Gender &middot; Male</p><p class=\"meaning\">breath</p>",
          "Abel|breath|Hebrew|Male" },
        { "no markers", "<html><body>Abel</body></html>", "|||" },
        { "name in an inner tag", "<h1 class=\"name\"><span>Abel</span></h1>" + Origin, "||Hebrew|" },
        { "origin without inner tag", "<h2 class=\"origin\">Hebrew</h2> via Greek<p>", "|| via Greek|" },
        { "meaning before name", "<p class=\"meaning\">breath</p>" + Name, "Abel|||" },
        { "origin without end", Name + "<h2 class=\"origin\"><b>Hebrew &middot; Male", "Abel|||" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(joined(cutOriginPage(c.page)), c.row);
    }
}

using OriginImportStage = BuilderFixture;

TEST_F(OriginImportStage, OneRowPerPageInListingOrder)
{
    const QString site = "drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning/";
    writeFile(site + "zoe/index.html",
              "<h1 class=\"name\">Zo\xEB</h1>\r\n<h2 class=\"origin\"><a>Greek</a></h2>&middot; female<p "
              "class=\"meaning\">li\r\nfe \f</p>");
    writeFile(site + "abel.jr/index.html", (Name + Origin + "&middot; Male<p class=\"meaning\">it's</p>").toLatin1());
    writeFile(site + "Ann/index.html", "<html>nothing here</html>");
    writeFile(site + "plain.txt", "");
    writeFile(site + ".hidden/index.html", Name.toLatin1());
    writeFile("namaorigin.htm", "old");
    insertRows("bayiorigin", { { "Old", "", "", "" } });

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        click(m_form->Command1);
        EXPECT_EQ(m_errors, QStringList());
        EXPECT_EQ(rows("bayiorigin"), QStringList({ "Abel|it's|Hebrew|M", "|||", "Zoë|life|Greek|f" }));
        EXPECT_EQ(QFileInfo(QDir(m_db.folder()).filePath("namaorigin.htm")).size(), 0);
    }
}
