// The tooltip line of a name cell, from popularity.db as the tooltip reads it, and the chart's readout.
#include "popularity/PopularityText.h"

#include "PopularitySource.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using tervala::Sex;
using tervala::YearCount;

using PopularityTextTest = ImportedPopularity;

TEST_F(PopularityTextTest, TooltipLinesForBothSexesWithoutLetterCaseButWithAccents)
{
    const struct {
        const char* name;
        Sex sex;
        const char* line;
    } cases[] = {
        { "Mary", Sex::Female, "US: #3 of girls' names in 2024 (4,000 births); most popular in 2023, #1" },
        { "MARY", Sex::Female, "US: #3 of girls' names in 2024 (4,000 births); most popular in 2023, #1" },
        { "mary", Sex::Male, "US: not among the recorded boys' names, 2022–2024" },
        { "Ada", Sex::Female, "US: not among girls' names in 2024; most popular in 2022, #5" },
        { "Jordan", Sex::Male, "US: #33 of boys' names in 2024 (1,200 births); most popular in 2024, #33" },
        { "jorDAN", Sex::Female, "US: #280 of girls' names in 2024 (95 births); most popular in 2024, #280" },
        { "ZOË", Sex::Female, "US: #700 of girls' names in 2024 (20 births); most popular in 2024, #700" },
        { "Zoe", Sex::Female, "US: not among the recorded girls' names, 2022–2024" },
    };
    for (const auto& lookup : cases) {
        SCOPED_TRACE(lookup.name);
        EXPECT_EQ(tervala::popularityLine(m_file->history(lookup.name, lookup.sex), lookup.sex, m_file->note()),
                  QString(lookup.line));
    }
}

TEST(PopularityText, PeakIsTheBestRankThenTheMostBirths)
{
    const QList<YearCount> history = { { 1990, 100, 1 }, { 1991, 300, 1 }, { 1992, 300, 1 }, { 1993, 1, 2 } };
    tervala::PopularityNote note;
    note.lastYear = 1993;
    EXPECT_EQ(tervala::popularityLine(history, Sex::Male, note),
              QString("US: #2 of boys' names in 1993 (1 birth); most popular in 1991, #1"));
    EXPECT_EQ(tervala::yearReadout(1991, history, {}), QString("1991: girls #1 (300 births), boys not recorded"));
    EXPECT_EQ(tervala::yearReadout(1993, {}, history), QString("1993: girls not recorded, boys #2 (1 birth)"));
}
