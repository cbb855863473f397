#include "namedb/NameRow.h"

namespace tervala {

QString genderCode(Gender gender)
{
    return gender == Gender::Female ? QStringLiteral("F") : QStringLiteral("M");
}

std::optional<Gender> genderFromCode(QStringView code)
{
    if (code == u"M")
        return Gender::Male;
    if (code == u"F")
        return Gender::Female;
    return std::nullopt;
}

} // namespace tervala
