#include "shortlist/ShortlistGender.h"

#include <QCoreApplication>

#include <algorithm>

namespace tervala {

std::optional<Gender> genderOfCode(const QString& code)
{
    if (code.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0)
        return Gender::Male;
    if (code.compare(QLatin1String("F"), Qt::CaseInsensitive) == 0)
        return Gender::Female;
    return std::nullopt;
}

std::vector<Gender> gendersOf(const std::vector<FavouriteName>& rows)
{
    std::vector<Gender> genders;
    for (const Gender gender : { Gender::Male, Gender::Female }) {
        if (std::any_of(rows.begin(), rows.end(), [&](const FavouriteName& row) {
                return genderOfCode(row.gender) == gender;
            }))
            genders.push_back(gender);
    }
    return genders;
}

QString genderWord(Gender gender)
{
    return gender == Gender::Male ? QCoreApplication::translate("ShortlistGender", "boy")
                                  : QCoreApplication::translate("ShortlistGender", "girl");
}

Sex sexOf(Gender gender)
{
    return gender == Gender::Female ? Sex::Female : Sex::Male;
}

} // namespace tervala
