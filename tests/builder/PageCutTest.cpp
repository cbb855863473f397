// Cutting values out of page text: the list page walk (including the cuts that leave the cursor at 0, and a
// long stretch it must cross in linear time) and the origin page's four cuts in their order.
#include "BuilderFixture.h"
#include "builder/ListImport.h"
#include "builder/OriginImport.h"

using namespace tervala;

TEST(PageCut, ListWalk)
{
    const QString li = "<li><font size=\"2\" color=\"#9393FF\">";
    const std::pair<QString, QStringList> cases[] = {
        // page, "name=meaning" of every pass
        { li + "Abel</font> meaning &quot;breath&quot;" + li + "<b>Adam</b></font> meaning &quot;man",
          { "Abel=breath", "<b>Adam</b>=" } },
        { "meaning &quot;a&quot; meaning &quot;b&quot;", { "=a", "=b", "=" } },
        { li + "Abel</font> meaning breath" + li + "Adam</font> meaning &quot;man&quot;", { "Abel=man", "=" } },
        { li + "Ann</font> meaning &quot;grace&quot;" + li + "Abel meaning &quot;x&quot;", { "Ann=grace", "=" } },
    };
    for (const auto& [page, expected] : cases) {
        SCOPED_TRACE(page.toStdString());
        QStringList passes;
        walkListPage(page, [&](const ListItem& item) { passes << item.name + "=" + item.meaning; });
        EXPECT_EQ(passes, expected);
    }
}

TEST(PageCut, ListWalkCrawlingThroughALongGapStaysLinear)
{
    // "meaning " with no "&quot;" after it moves the cursor 6 characters a pass; a walk that searched the rest
    // of the page again in each pass would take hours here.
    const qsizetype gap = 4 * 1024 * 1024;
    qsizetype passes = 0;
    walkListPage("meaning " + QString(gap, 'x') + "meaning ", [&](const ListItem& item) {
        ++passes;
        EXPECT_TRUE(item.name.isEmpty() && item.meaning.isEmpty());
    });
    EXPECT_EQ(passes, (8 + gap) / 6 + 2);
}

TEST(PageCut, OriginPage)
{
    const QString name = "<h1 class=\"name\">Abel</h1>";
    const QString origin = "<h2 class=\"origin\"><a href=\"/hebrew\">Hebrew</a></h2>";
    const std::pair<QString, QString> cases[] = {
        { name + origin + "<p>Gender &middot; Male</p><p class=\"meaning\">breath</p>", "Abel|breath|Hebrew|Male" },
        { "<html><body>Abel</body></html>", "|||" },
        { "<h1 class=\"name\"><span>Abel</span></h1>" + origin, "||Hebrew|" },
        { "<h2 class=\"origin\">Hebrew</h2> via Greek<p>", "|| via Greek|" },
        { "<p class=\"meaning\">breath</p>" + name, "Abel|||" },
        { name + "<h2 class=\"origin\"><b>Hebrew &middot; Male", "Abel|||" },
    };
    for (const auto& [page, row] : cases) {
        SCOPED_TRACE(page.toStdString());
        EXPECT_EQ(joined(cutOriginPage(page)), row);
    }
}
