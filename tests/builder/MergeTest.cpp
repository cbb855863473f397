// The merge: the duplicate test and the row transformation on their own, and the stage run through Command4,
// with its switch from stopping at a failure to ignoring one.
#include "builder/Merge.h"

#include "BuilderFixture.h"
#include "TestSupport.h"
#include "runtime/CommandButton.h"

#include <gtest/gtest.h>

using namespace tervala;

namespace {

TEST(Merge, DuplicateTest)
{
    EXPECT_EQ(composeDuplicateTest({ " O'Neil", "x", " Irish ", "M" }),
              "select nama from namabayi where nama=' O''Neil' and asal=' Irish '");
}

TEST(Merge, Row)
{
    const struct {
        StagingRow source;
        StagingRow merged;
    } cases[] = {
        { { "ABEL", "breath", "hebrew", "m" }, { "Abel", "breath", "hebrew", "m" } },
        { { "anne-MARIE", "", "", "" }, { "Anne-marie", "", "", "" } },
        { { " zoë", "", "", "" }, { " zoë", "", "", "" } },
        { { "a", "it&#039;s", "", "" }, { "A", "it;s", "", "" } },
        { { "a", "it&#039;s <i>x</i>", "", "" }, { "A", "it;s x", "", "" } },
        { { "a", "x&#039", "", "" }, { "A", "x", "", "" } },
        { { "a", "&#0&#03939;", "", "" }, { "A", "&#039;", "", "" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source.name.toStdString() + " / " + c.source.meaning.toStdString());
        const StagingRow merged = mergeRow(c.source);
        EXPECT_EQ(merged.name, c.merged.name);
        EXPECT_EQ(merged.meaning, c.merged.meaning);
        EXPECT_EQ(merged.origin, c.merged.origin);
        EXPECT_EQ(merged.gender, c.merged.gender);
    }
}

using MergeStage = BuilderFixture;

TEST_F(MergeStage, AddsNewNameOriginPairsOnce)
{
    insertRows("namabayi", { { "Abel", "old", "Hebrew", "M" } });
    insertRows("bayiorigin2",
               {
                   { "ABEL", "x", "Hebrew", "F" },
                   { "abel", "y", "Greek", "M" },
                   { "ADA", "first", "Latin", "f" },
                   { "Ada", "second", "Latin", "F" },
                   { "O'NEIL", " it&#039;s <b>me</b> ", "Irish", "M" },
                   { "Cara", QString(), "Irish", QString() },
               });
    click(m_form->Command4);
    const QList<QStringList> expected = {
        { "Abel", "old", "Hebrew", "M" },      { "Abel", "y", "Greek", "M" }, { "Ada", "first", "Latin", "f" },
        { "O'neil", "it;s me", "Irish", "M" }, { "Cara", "", "Irish", "" },
    };
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"), expected);
    EXPECT_EQ(m_form->caption(), "Cara");

    m_form->setCaption("Form2");
    click(m_form->Command4);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"), expected);
    EXPECT_EQ(m_form->caption(), "Form2");
}

TEST_F(MergeStage, QuoteInOriginBeforeTheFirstNewRowEndsTheStage)
{
    insertRows("bayiorigin2", { { "Brian", "", "O'Brien", "M" }, { "Abel", "", "Hebrew", "M" } });
    click(m_form->Command4);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(rows("namabayi"), QList<QStringList>());
}

TEST_F(MergeStage, QuoteInOriginAfterTheFirstNewRowAddsNothing)
{
    insertRows("bayiorigin2",
               { { "Abel", "", "Hebrew", "M" },
                 { "Brian", "", "O'Brien", "M" },
                 { "Cara", "", "x'", "F" },
                 { "Dana", "", "x", "F" } });
    click(m_form->Command4);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"), QList<QStringList>({ { "Abel", "", "Hebrew", "M" }, { "Dana", "", "x", "F" } }));
    EXPECT_EQ(m_form->caption(), "Dana");
}

} // namespace
