// The plain functions of the stages, text in and text out: tag stripping and re-casing on their edges
// (unclosed and stray brackets, non-ASCII letters), the refined and the merged row, the merge's duplicate test,
// the list page walk (including the cuts that leave the cursor at 0, and a long stretch it must cross in linear
// time) and the origin page's four cuts in their order. Rows are "name|meaning|origin|gender".
#include "TestSupport.h"
#include "builder/ListImport.h"
#include "builder/Merge.h"
#include "builder/OriginImport.h"
#include "builder/Refinement.h"
#include "builder/TextCleanup.h"

#include <QStringList>

#include <functional>

using namespace tervala;

namespace {

QString joined(const StagingRow& row)
{
    return QStringList { row.name, row.meaning, row.origin, row.gender }.join('|');
}

StagingRow split(const QString& row)
{
    const QStringList fields = row.split('|');
    return { fields[0], fields[1], fields[2], fields[3] };
}

// "name=meaning" of every pass, joined by ";".
QString walk(const QString& page)
{
    QStringList passes;
    walkListPage(page, [&](const ListItem& item) { passes << item.name + "=" + item.meaning; });
    return passes.join(';');
}

const QString Li = "<li><font size=\"2\" color=\"#9393FF\">";
const QString H1 = "<h1 class=\"name\">Abel</h1>";
const QString H2 = "<h2 class=\"origin\"><a href=\"/hebrew\">Hebrew</a></h2>";

} // namespace

TEST(StageFunction, TextInTextOut)
{
    const std::function<QString(const QString&)> refine
        = [](const QString& row) { return joined(refineRow(split(row))); };
    const std::function<QString(const QString&)> merge
        = [](const QString& row) { return joined(mergeRow(split(row))); };
    const std::function<QString(const QString&)> origin
        = [](const QString& page) { return joined(cutOriginPage(page)); };
    const struct {
        std::function<QString(const QString&)> function;
        QString text;
        QString result;
    } cases[] = {
        { stripTags, "strong<and brave", "strong" },
        { stripTags, "1 > 0", "1  0" },
        { stripTags, "a<<b>c>d", "acd" },
        { recaseName, "éLODIE", "Élodie" },
        { recaseName, " zOË", " zoë" },
        { recaseName, "ß", "SS" },
        { upperFirst, " zOË", " zOË" },
        { upperFirst, "ß", "SS" },
        { refine, "<B>Abel</B>||éire|female", "<B>Abel</B>||Éire|FEMALE" },
        { refine, "<a name=\"ABEL\">Abel</a> (see also)|it&#039;s <br>light||", "Abel|its light||" },
        { refine, "<a name=\"aBEL JR|it&#039;s light| hebrew| m", "Abel jr|it&#039;s light| hebrew| M" },
        { merge, "anne-MARIE|breath|hebrew|m", "Anne-marie|breath|hebrew|m" },
        { merge, " zoë|it&#039;s <i>x</i>||", " zoë|it;s x||" },
        { merge, "a|&#0&#03939;||", "A|&#039;||" },
        { walk, "meaning &quot;a&quot; meaning &quot;b&quot;", "=a;=b;=" },
        { walk, Li + "Abel</font> meaning breath" + Li + "Adam</font> meaning &quot;man&quot;", "Abel=man;=" },
        { walk, Li + "Ann</font> meaning &quot;grace&quot;" + Li + "Abel meaning &quot;x&quot;", "Ann=grace;=" },
        { origin, "<h1 class=\"name\"><span>Abel</span></h1>" + H2, "||Hebrew|" },
        { origin, "<h2 class=\"origin\">Hebrew</h2> via Greek<p>", "|| via Greek|" },
        { origin, "<p class=\"meaning\">breath</p>" + H1, "Abel|||" },
        { origin, H1 + "<h2 class=\"origin\"><b>Hebrew &middot; Male", "Abel|||" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.function(c.text), c.result) << c.text.toStdString();
    EXPECT_EQ(composeDuplicateTest({ " O'Neil", "x", " Irish ", "M" }),
              QString("select nama from namabayi where nama=' O''Neil' and asal=' Irish '"));
}

TEST(StageFunction, ListWalkCrawlingThroughALongGapStaysLinear)
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
