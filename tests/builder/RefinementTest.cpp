// The staging refinement: one row refined on its own, and the stage run through Command3 on a small bayi20000.
#include "builder/Refinement.h"

#include "BuilderFixture.h"
#include "TestSupport.h"
#include "runtime/CommandButton.h"

#include <gtest/gtest.h>

using namespace tervala;

namespace {

TEST(Refinement, Row)
{
    const struct {
        StagingRow source;
        StagingRow refined;
    } cases[] = {
        { { "<b>Abel</b>", "breath", "hebrew", "m" }, { "Abel", "breath", "Hebrew", "M" } },
        { { "<B>Abel</B>", "", "", "" }, { "<B>Abel</B>", "", "", "" } },
        { { "<a name=\"ABEL\">Abel</a> (see also)", "", "", "" }, { "Abel", "", "", "" } },
        { { "<b><a name=\"élodie\"></a></b>", "", "", "" }, { "Élodie", "", "", "" } },
        { { "<a name=\"aBEL JR", "", "", "" }, { "Abel jr", "", "", "" } },
        { { "<a name=abel>Abel</a>", "", "", "" }, { "<a name=abel>Abel</a>", "", "", "" } },
        { { "ABEL", "", "", "" }, { "ABEL", "", "", "" } },
        { { "a", "a <i>gift</i> of God", "", "" }, { "a", "a gift of God", "", "" } },
        { { "a", "it&#039;s <br>light", "", "" }, { "a", "its light", "", "" } },
        { { "a", "it&#039;s light", "", "" }, { "a", "it&#039;s light", "", "" } },
        { { "a", "strong<and brave", "", "" }, { "a", "strong", "", "" } },
        { { "a", "<br/>", "", "" }, { "a", "", "", "" } },
        { { "a", "", " hebrew", " m" }, { "a", "", " hebrew", " M" } },
        { { "a", "", "éire", "female" }, { "a", "", "Éire", "FEMALE" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source.name.toStdString() + " / " + c.source.meaning.toStdString());
        const StagingRow refined = refineRow(c.source);
        EXPECT_EQ(refined.name, c.refined.name);
        EXPECT_EQ(refined.meaning, c.refined.meaning);
        EXPECT_EQ(refined.origin, c.refined.origin);
        EXPECT_EQ(refined.gender, c.refined.gender);
    }
}

using RefinementStage = BuilderFixture;

TEST_F(RefinementStage, OneRowPerSourceRowAppended)
{
    insertRows("bayiorigin2", { { "Kept", "", "", "F" } });
    insertRows("bayi20000",
               {
                   { "<b>O'Neil</b> ", " a <i>champion</i> ", " irish ", "male" },
                   { "<b>O'Neil</b> ", " a <i>champion</i> ", " irish ", "male" },
                   { QString(), QString(), QString(), QString() },
                   { "<a name=\"ZOË\">Zoë</a>", "life&#039;", "greek", " f" },
               });
    click(m_form->Command3);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin2"),
              QList<QStringList>({
                  { "Kept", "", "", "F" },
                  { "O'Neil", "a champion", "irish", "M" },
                  { "O'Neil", "a champion", "irish", "M" },
                  { "", "", "", "" },
                  { QString::fromUtf8("Zoë"), "life&#039;", "Greek", " " },
              }));
    EXPECT_EQ(m_form->caption(), QString::fromUtf8("Zoë"));
}

TEST_F(RefinementStage, EmptySourceKeepsTheCaption)
{
    click(m_form->Command3);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin2"), QList<QStringList>());
    EXPECT_EQ(m_form->caption(), "Form2");
}

TEST_F(RefinementStage, QuoteInOriginEndsTheStage)
{
    insertRows("bayi20000", { { "Abel", "", "x", "M" }, { "Brian", "", "O'Brien", "M" }, { "Cara", "", "x", "F" } });
    click(m_form->Command3);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(rows("bayiorigin2"), QList<QStringList>({ { "Abel", "", "X", "M" } }));
    EXPECT_EQ(m_form->caption(), "Abel");
}

} // namespace
