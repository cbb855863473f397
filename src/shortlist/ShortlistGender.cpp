#include "shortlist/ShortlistGender.h"

#include <QCoreApplication>

#include <algorithm>

namespace tervala {

std::vector<Gender> gendersOf(const std::vector<NameRow>& rows)
{
    std::vector<Gender> genders;
    for (const Gender gender : { Gender::Male, Gender::Female }) {
        if (std::any_of(rows.begin(), rows.end(), [&](const NameRow& row) { return row.jk == gender; }))
            genders.push_back(gender);
    }
    return genders;
}

QString genderWord(Gender gender)
{
    return gender == Gender::Male ? QCoreApplication::translate("ShortlistGender", "boy")
                                  : QCoreApplication::translate("ShortlistGender", "girl");
}

} // namespace tervala
