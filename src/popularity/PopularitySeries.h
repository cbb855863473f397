// The points of the popularity chart's lines, one line per sex, computed apart from the window.
#pragma once

#include "popularity/PopularityFile.h"

#include <QList>
#include <QPointF>

namespace tervala {

enum class ChartMeasure { Births, Rank };

// The line of one sex from firstYear to lastYear as runs of points (x the year, y the births or the rank). A
// year without a record counts as 0 births, so the births line is one run over every year; it has no rank, so
// the rank line breaks there and is one run per stretch of recorded years (none for a name never recorded).
QList<QList<QPointF>> chartLine(const QList<YearCount>& history, ChartMeasure measure, int firstYear, int lastYear);

} // namespace tervala
