#include "browser/FilterQuery.h"

#include "namedb/Quoting.h"

namespace tervala {

namespace {

QString orderFragment(SortColumn sort)
{
    switch (sort) {
    case SortColumn::Name:
        return QStringLiteral(" order by nama");
    case SortColumn::Meaning:
        return QStringLiteral(" order by arti");
    case SortColumn::Origin:
        return QStringLiteral(" order by asal");
    case SortColumn::None:
        break;
    }
    return {};
}

QString genderCondition(Gender gender)
{
    return gender == Gender::Male ? QStringLiteral("where jk='M' ") : QStringLiteral("where jk='F' ");
}

} // namespace

QString composeConditionTail(const FilterState& filter)
{
    QString tail;
    if (filter.letter)
        tail += " AND ucase(left(nama,1))='" + QString(*filter.letter) + "' ";
    if (filter.favouritesOnly)
        tail += QStringLiteral(" And fav=true ");
    // Typed text is upper-cased so that the match ignores letter case on any engine; % and _ stay wildcards.
    if (filter.meaning)
        tail += " and ucase(arti) like '%" + quoteSql(filter.meaning->toUpper()) + "%' ";
    if (filter.name)
        tail += " and ucase(nama) like '%" + quoteSql(filter.name->toUpper()) + "%' ";
    // The origin is neither upper-cased nor wrapped in ucase: the engine's like ignores case by itself.
    if (filter.origin)
        tail += " and asal like '%" + quoteSql(*filter.origin) + "%' ";
    return tail;
}

QString composeCountSql(const FilterState& filter, Gender gender)
{
    return "SELECT count(nama) FROM namabayi " + genderCondition(gender) + composeConditionTail(filter);
}

QString composeRowSql(const FilterState& filter, Gender gender)
{
    return "SELECT * FROM namabayi " + genderCondition(gender) + composeConditionTail(filter)
        + orderFragment(filter.sort);
}

} // namespace tervala
