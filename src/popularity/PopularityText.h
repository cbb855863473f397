// The plain-words lines that show a name's popularity: the tooltip line of a name cell and the chart's readout
// of one year. Values in, text out, in the user's language; numbers with the locale's thousands separators
// ("2,345" in English).
#pragma once

#include "popularity/PopularityFile.h"

#include <QList>
#include <QString>

namespace tervala {

// The tooltip line for one name and sex, from its recorded years (oldest first) and the file's note: its rank
// and births in the note's last year and its peak (best rank; among equal ranks, most births), e.g.
// "US: #34 of girls' names in 2024 (2,345 births); most popular in 2011, #5"; or that it is not among that
// year's names, or not among the recorded names at all. A recordSpelling (not empty) other than the name's own
// is told at the end: "; the US record spells it Adele".
QString popularityLine(const QList<YearCount>& history,
                       Gender sex,
                       const PopularityNote& note,
                       const QString& recordSpelling = {});

// The chart's readout for one year, both sexes, e.g. "1950: girls #3 (12,345 births), boys not recorded".
QString yearReadout(int year, const QList<YearCount>& girls, const QList<YearCount>& boys);

} // namespace tervala
