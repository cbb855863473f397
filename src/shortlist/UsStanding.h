// Where a name stands in the US: its rank in the popularity file's last year and whether it rose or fell over the
// ten years before, read from its recorded years. Values in, text out.
#pragma once

#include "popularity/PopularityFile.h"

#include <QList>
#include <QString>

#include <optional>

namespace tervala {

enum class Trend { Unknown, Rising, Falling, Steady };

struct UsStanding {
    std::optional<int> rank; // in the last year; none when the name was not recorded that year
    Trend trend = Trend::Unknown;
};

// Years over which the trend is read.
constexpr int TrendYears = 10;

// The standing in lastYear from history (oldest first): rising when the rank is better (smaller) than
// TrendYears before, or the name is recorded now and was not then; falling the other way round; steady when
// equal; unknown when it was recorded in neither year.
UsStanding usStanding(const QList<YearCount>& history, int lastYear);

// "#34, rising", "not ranked, falling", "#1,020, steady", "not ranked"; numbers in the user's locale.
QString usStandingText(const UsStanding& standing);

} // namespace tervala
