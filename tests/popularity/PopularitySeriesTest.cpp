// The chart's lines as plain points: births over every year, ranks broken where a year has no record.
#include "popularity/PopularitySeries.h"

#include "TestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

using tervala::ChartMeasure;
using tervala::YearCount;

namespace {

QStringList pointsOf(const QList<QList<QPointF>>& runs)
{
    QStringList text;
    for (const auto& run : runs) {
        QString line;
        for (const QPointF& point : run)
            line += QString("(%1,%2)").arg(point.x()).arg(point.y());
        text << line;
    }
    return text;
}

} // namespace

TEST(PopularitySeries, BirthsCoverEveryYearAndRanksBreakAtGaps)
{
    const QList<YearCount> boys = { { 2021, 7, 50 }, { 2022, 900, 40 }, { 2024, 1200, 33 } };
    const struct {
        const char* what;
        QList<YearCount> history;
        ChartMeasure measure;
        int firstYear;
        int lastYear;
        QStringList runs;
    } cases[] = {
        { "births, gaps as 0, years outside left out",
          boys,
          ChartMeasure::Births,
          2022,
          2025,
          { "(2022,900)(2023,0)(2024,1200)(2025,0)" } },
        { "ranks, one run per stretch", boys, ChartMeasure::Rank, 2021, 2024, { "(2021,50)(2022,40)", "(2024,33)" } },
        { "ranks, years outside left out", boys, ChartMeasure::Rank, 2022, 2023, { "(2022,40)" } },
        { "never recorded: births all 0", {}, ChartMeasure::Births, 2023, 2024, { "(2023,0)(2024,0)" } },
        { "never recorded: no rank line", {}, ChartMeasure::Rank, 2021, 2024, {} },
    };
    for (const auto& line : cases) {
        SCOPED_TRACE(line.what);
        EXPECT_EQ(pointsOf(tervala::chartLine(line.history, line.measure, line.firstYear, line.lastYear)), line.runs);
    }
}
