#include "shortlist/UsStanding.h"

#include <QCoreApplication>
#include <QLocale>

namespace tervala {

namespace {

std::optional<int> rankIn(const QList<YearCount>& history, int year)
{
    for (const YearCount& count : history) {
        if (count.year == year)
            return count.rank;
    }
    return std::nullopt;
}

} // namespace

UsStanding usStanding(const QList<YearCount>& history, int lastYear)
{
    const std::optional<int> now = rankIn(history, lastYear);
    const std::optional<int> before = rankIn(history, lastYear - TrendYears);
    Trend trend = Trend::Unknown;
    if (now && before)
        trend = *now < *before ? Trend::Rising : *now > *before ? Trend::Falling : Trend::Steady;
    else if (now)
        trend = Trend::Rising;
    else if (before)
        trend = Trend::Falling;
    return { now, trend };
}

QString usStandingText(const UsStanding& standing)
{
    const QString rank = standing.rank
        ? QCoreApplication::translate("UsStanding", "#%1").arg(QLocale().toString(*standing.rank))
        : QCoreApplication::translate("UsStanding", "not ranked");
    switch (standing.trend) {
    case Trend::Rising:
        return QCoreApplication::translate("UsStanding", "%1, rising").arg(rank);
    case Trend::Falling:
        return QCoreApplication::translate("UsStanding", "%1, falling").arg(rank);
    case Trend::Steady:
        return QCoreApplication::translate("UsStanding", "%1, steady").arg(rank);
    case Trend::Unknown:
        break;
    }
    return rank;
}

} // namespace tervala
