#include "popularity/PopularitySeries.h"

namespace tervala {

QList<QList<QPointF>> chartLine(const QList<YearCount>& history, ChartMeasure measure, int firstYear, int lastYear)
{
    QList<QList<QPointF>> runs;
    if (measure == ChartMeasure::Births) {
        QList<QPointF> points;
        auto recorded = history.cbegin();
        for (int year = firstYear; year <= lastYear; ++year) {
            while (recorded != history.cend() && recorded->year < year)
                ++recorded;
            const bool found = recorded != history.cend() && recorded->year == year;
            points.append(QPointF(year, found ? double(recorded->births) : 0.0));
        }
        runs.append(points);
        return runs;
    }
    int previousYear = 0;
    for (const YearCount& count : history) {
        if (count.year < firstYear || count.year > lastYear)
            continue;
        if (runs.isEmpty() || count.year != previousYear + 1)
            runs.append(QList<QPointF>());
        runs.last().append(QPointF(count.year, count.rank));
        previousYear = count.year;
    }
    return runs;
}

} // namespace tervala
