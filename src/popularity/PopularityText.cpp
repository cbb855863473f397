#include "popularity/PopularityText.h"

#include <QLocale>

#include <algorithm>

namespace tervala {

namespace {

QString grouped(qint64 number)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(number);
}

QString birthsText(qint64 births)
{
    return births == 1 ? QStringLiteral("1 birth") : grouped(births) + QStringLiteral(" births");
}

QString namesOf(Gender sex)
{
    return sex == Gender::Female ? QStringLiteral("girls' names") : QStringLiteral("boys' names");
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
    const QString spelling
        = recordSpelling.isEmpty() ? QString() : QStringLiteral("; the US record spells it %1").arg(recordSpelling);
    if (history.isEmpty())
        return QStringLiteral("US: not among the recorded %1, %2–%3")
            .arg(namesOf(sex))
            .arg(note.firstYear)
            .arg(note.lastYear);
    const YearCount& peak = *std::min_element(history.cbegin(), history.cend(), [](const auto& a, const auto& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.births > b.births;
    });
    const QString peakText = QStringLiteral("most popular in %1, #%2").arg(peak.year).arg(grouped(peak.rank));
    const YearCount* latest = findYear(history, note.lastYear);
    if (!latest)
        return QStringLiteral("US: not among %1 in %2; %3").arg(namesOf(sex)).arg(note.lastYear).arg(peakText)
            + spelling;
    return QStringLiteral("US: #%1 of %2 in %3 (%4); %5")
               .arg(grouped(latest->rank), namesOf(sex))
               .arg(latest->year)
               .arg(birthsText(latest->births), peakText)
        + spelling;
}

QString yearReadout(int year, const QList<YearCount>& girls, const QList<YearCount>& boys)
{
    const auto part = [year](const QString& who, const QList<YearCount>& history) {
        const YearCount* count = findYear(history, year);
        if (!count)
            return who + QStringLiteral(" not recorded");
        return QStringLiteral("%1 #%2 (%3)").arg(who, grouped(count->rank), birthsText(count->births));
    };
    return QStringLiteral("%1: %2, %3")
        .arg(year)
        .arg(part(QStringLiteral("girls"), girls), part(QStringLiteral("boys"), boys));
}

} // namespace tervala
