// Numbers are written in the user's locale ("2,345" in English, "2.345" in German), and counts take their
// language's plural through the translation ("%Ln").
#include "popularity/PopularityText.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace tervala {

namespace {

QString birthsText(qint64 births)
{
    return QCoreApplication::translate("PopularityText", "%Ln birth(s)", nullptr, int(births));
}

QString rankText(int rank)
{
    return QLocale().toString(rank);
}

QString namesOf(Gender sex)
{
    return sex == Gender::Female ? QCoreApplication::translate("PopularityText", "girls' names")
                                 : QCoreApplication::translate("PopularityText", "boys' names");
}

const YearCount* findYear(const QList<YearCount>& history, int year)
{
    const auto found
        = std::find_if(history.cbegin(), history.cend(), [year](const YearCount& count) { return count.year == year; });
    return found == history.cend() ? nullptr : &*found;
}

} // namespace

QString
popularityLine(const QList<YearCount>& history, Gender sex, const PopularityNote& note, const QString& recordSpelling)
{
    const QString spelling = recordSpelling.isEmpty()
        ? QString()
        : QCoreApplication::translate("PopularityText", "; the US record spells it %1").arg(recordSpelling);
    if (history.isEmpty())
        return QCoreApplication::translate("PopularityText", "US: not among the recorded %1, %2–%3")
            .arg(namesOf(sex))
            .arg(note.firstYear)
            .arg(note.lastYear);
    const YearCount& peak = *std::min_element(history.cbegin(), history.cend(), [](const auto& a, const auto& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.births > b.births;
    });
    const QString peakText = QCoreApplication::translate("PopularityText", "most popular in %1, #%2")
                                 .arg(peak.year)
                                 .arg(rankText(peak.rank));
    const YearCount* latest = findYear(history, note.lastYear);
    if (!latest)
        return QCoreApplication::translate("PopularityText", "US: not among %1 in %2; %3")
                   .arg(namesOf(sex))
                   .arg(note.lastYear)
                   .arg(peakText)
            + spelling;
    return QCoreApplication::translate("PopularityText", "US: #%1 of %2 in %3 (%4); %5")
               .arg(rankText(latest->rank), namesOf(sex))
               .arg(latest->year)
               .arg(birthsText(latest->births), peakText)
        + spelling;
}

QString yearReadout(int year, const QList<YearCount>& girls, const QList<YearCount>& boys)
{
    const auto part = [year](bool ofGirls, const QList<YearCount>& history) {
        const YearCount* count = findYear(history, year);
        if (!count)
            return ofGirls ? QCoreApplication::translate("PopularityText", "girls not recorded")
                           : QCoreApplication::translate("PopularityText", "boys not recorded");
        return (ofGirls ? QCoreApplication::translate("PopularityText", "girls #%1 (%2)")
                        : QCoreApplication::translate("PopularityText", "boys #%1 (%2)"))
            .arg(rankText(count->rank), birthsText(count->births));
    };
    return QCoreApplication::translate("PopularityText", "%1: %2, %3")
        .arg(year)
        .arg(part(true, girls), part(false, boys));
}

} // namespace tervala
