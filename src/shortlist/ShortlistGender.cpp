#include "shortlist/ShortlistGender.h"

#include <QCoreApplication>

namespace tervala {

std::optional<Gender> genderOfCode(const QString& code)
{
    if (code.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0)
        return Gender::Male;
    if (code.compare(QLatin1String("F"), Qt::CaseInsensitive) == 0)
        return Gender::Female;
    return std::nullopt;
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
