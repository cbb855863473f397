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

} // namespace

QString composeConditionTail(const FilterState& filter)
{
    QString tail;
    if (!filter.letter.isEmpty())
        tail += " AND ucase(left(nama,1))='" + filter.letter + "' ";
    if (filter.favouritesOnly)
        tail += QStringLiteral(" And fav=true ");
    // Typed text is upper-cased so that the match ignores letter case on any engine; % and _ stay wildcards.
    if (filter.meaningOn)
        tail += " and ucase(arti) like '%" + quoteSql(filter.meaningText.toUpper()) + "%' ";
    if (filter.nameOn)
        tail += " and ucase(nama) like '%" + quoteSql(filter.nameText.toUpper()) + "%' ";
    // The origin is neither upper-cased nor wrapped in ucase: the engine's like ignores case by itself.
    if (filter.originOn)
        tail += " and asal like '%" + quoteSql(filter.originText) + "%' ";
    return tail;
}

QString composeCountSql(const FilterState& filter, const QString& gender)
{
    return "SELECT count(nama) FROM namabayi where jk='" + gender + "' " + composeConditionTail(filter);
}

QString composeRowSql(const FilterState& filter, const QString& gender)
{
    return "SELECT * FROM namabayi where jk='" + gender + "' " + composeConditionTail(filter)
        + orderFragment(filter.sort);
}

} // namespace tervala
