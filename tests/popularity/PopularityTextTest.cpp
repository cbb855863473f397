// What the window shows of a name's popularity, values in: the tooltip line's peak and the readout in their
// singular, and the chart's lines as points (births over every year, ranks broken where a year has no record).
#include "popularity/PopularityText.h"

#include "TestSupport.h"
#include "popularity/PopularitySeries.h"

#include <QStringList>

using namespace tervala;

// The peak is the best rank, then the most births: 2022.
const QList<YearCount> Boys = { { 2021, 100, 1 }, { 2022, 300, 1 }, { 2023, 300, 1 }, { 2025, 1, 2 } };

TEST(PopularityText, PeakIsTheBestRankThenTheMostBirths)
{
    EXPECT_EQ(popularityLine(Boys, Gender::Male, { "us", 4, 2021, 2025 }),
              QString("US: #2 of boys' names in 2025 (1 birth); most popular in 2022, #1"));
    EXPECT_EQ(yearReadout(2025, {}, Boys), QString("2025: girls not recorded, boys #2 (1 birth)"));
    EXPECT_EQ(popularityLine(Boys, Gender::Male, { "us", 4, 2021, 2024 }, "Jose"),
              QString("US: not among boys' names in 2024; most popular in 2022, #1; the US record spells it Jose"));
    EXPECT_EQ(
        popularityLine(Boys, Gender::Male, { "us", 4, 2021, 2025 }, "Jose"),
        QString("US: #2 of boys' names in 2025 (1 birth); most popular in 2022, #1; the US record spells it Jose"));
}

TEST(PopularityText, AccentsDropped)
{
    const std::pair<QString, QString> cases[] = {
        { "Zoë", "Zoe" },     { "Adèle", "Adele" }, { "Chloé", "Chloe" },   { "José", "Jose" },
        { "Renée", "Renee" }, { "ZOË", "ZOE" },     { "O'Neil", "O'Neil" }, { "Ørjan", "Ørjan" },
    };
    for (const auto& [name, plain] : cases)
        EXPECT_EQ(withoutAccents(name), plain);
}

TEST(PopularitySeries, BirthsCoverEveryYearAndRanksBreakAtGaps)
{
    const std::tuple<ChartMeasure, int, int, QString> cases[] = {
        // runs split by " | "
        { ChartMeasure::Births, 2022, 2026, "(2022,300)(2023,300)(2024,0)(2025,1)(2026,0)" },
        { ChartMeasure::Rank, 2020, 2025, "(2021,1)(2022,1)(2023,1) | (2025,2)" },
        { ChartMeasure::Rank, 2022, 2022, "(2022,1)" },
        { ChartMeasure::Births, 2026, 2027, "(2026,0)(2027,0)" },
        { ChartMeasure::Rank, 2026, 2027, "" },
    };
    for (const auto& [measure, firstYear, lastYear, points] : cases) {
        QStringList runs;
        for (const auto& run : chartLine(Boys, measure, firstYear, lastYear)) {
            runs << QString();
            for (const QPointF& point : run)
                runs.last() += QString("(%1,%2)").arg(point.x()).arg(point.y());
        }
        EXPECT_EQ(runs.join(" | "), points);
    }
}
