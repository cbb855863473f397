// The staging refinement: one row refined on its own, and the stage run through Command3 on a small bayi20000,
// which stops at the first failing row.
#include "builder/Refinement.h"

#include "BuilderFixture.h"

using namespace tervala;

TEST(Refinement, Row)
{
    const std::pair<StagingRow, QString> cases[] = {
        { { "<b>Abel</b>", "breath", "hebrew", "m" }, "Abel|breath|Hebrew|M" },
        { { "<B>Abel</B>", "", "éire", "female" }, "<B>Abel</B>||Éire|FEMALE" },
        { { "<a name=\"ABEL\">Abel</a> (see also)", "it&#039;s <br>light", "", "" }, "Abel|its light||" },
        { { "<a name=\"aBEL JR", "it&#039;s light", " hebrew", " m" }, "Abel jr|it&#039;s light| hebrew| M" },
    };
    for (const auto& [source, refined] : cases) {
        SCOPED_TRACE(refined.toStdString());
        EXPECT_EQ(joined(refineRow(source)), refined);
    }
}

using RefinementStage = BuilderFixture;

TEST_F(RefinementStage, OneRowPerSourceRowAppended)
{
    insertRows("bayiorigin2", { { "Kept", "", "", "F" } });
    insertRows("bayi20000",
               { { "<b>O'Neil</b> ", " a <i>champion</i> ", " irish ", "male" },
                 { QString(), QString(), QString(), QString() },
                 { "<a name=\"ZOË\">Zoë</a>", "life", "greek", " f" } });
    click(m_form->Command3);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin2"), QStringList({ "Kept|||F", "O'Neil|a champion|irish|M", "|||", "Zoë|life|Greek| " }));
    EXPECT_EQ(m_form->caption(), QString("Zoë"));
}

TEST_F(RefinementStage, QuoteInOriginEndsTheStage)
{
    insertRows("bayi20000", { { "Abel", "", "x", "M" }, { "Brian", "", "O'Brien", "M" }, { "Cara", "", "x", "F" } });
    click(m_form->Command3);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(rows("bayiorigin2"), QStringList { "Abel||X|M" });
}
