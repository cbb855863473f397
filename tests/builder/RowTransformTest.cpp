// What the stages make of one row: tag stripping and re-casing on their edges (unclosed and stray brackets,
// non-ASCII letters), the refined row, and the merge's row and duplicate test.
#include "BuilderFixture.h"
#include "builder/Merge.h"
#include "builder/Refinement.h"
#include "builder/TextCleanup.h"

using namespace tervala;

TEST(RowTransform, StripTagsAndRecase)
{
    const struct {
        QString (*function)(const QString&);
        QString text;
        QString result;
    } cases[] = {
        { stripTags, "a <i>gift</i> of God", "a gift of God" },
        { stripTags, "strong<and brave", "strong" },
        { stripTags, "1 > 0", "1  0" },
        { stripTags, "a<<b>c>d", "acd" },
        { recaseName, "éLODIE", "Élodie" },
        { recaseName, "ANNE-MARIE", "Anne-marie" },
        { recaseName, " zOË", " zoë" },
        { recaseName, "ß", "SS" },
        { upperFirst, "éLODIE", "ÉLODIE" },
        { upperFirst, " zOË", " zOË" },
        { upperFirst, "ß", "SS" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.function(c.text), c.result);
}

TEST(RowTransform, RefinedAndMergedRows)
{
    const struct {
        StagingRow (*function)(const StagingRow&);
        StagingRow source;
        QString row;
    } cases[] = {
        { refineRow, { "<b>Abel</b>", "breath", "hebrew", "m" }, "Abel|breath|Hebrew|M" },
        { refineRow, { "<B>Abel</B>", "", "éire", "female" }, "<B>Abel</B>||Éire|FEMALE" },
        { refineRow, { "<a name=\"ABEL\">Abel</a> (see also)", "it&#039;s <br>light", "", "" }, "Abel|its light||" },
        { refineRow,
          { "<a name=\"aBEL JR", "it&#039;s light", " hebrew", " m" },
          "Abel jr|it&#039;s light| hebrew| M" },
        { mergeRow, { "anne-MARIE", "breath", "hebrew", "m" }, "Anne-marie|breath|hebrew|m" },
        { mergeRow, { " zoë", "it&#039;s <i>x</i>", "", "" }, " zoë|it;s x||" },
        { mergeRow, { "a", "&#0&#03939;", "", "" }, "A|&#039;||" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(joined(c.function(c.source)), c.row);
    EXPECT_EQ(composeDuplicateTest({ " O'Neil", "x", " Irish ", "M" }),
              QString("select nama from namabayi where nama=' O''Neil' and asal=' Irish '"));
}
