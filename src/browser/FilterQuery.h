// The filter controls' state turned into the count and row statements of one list.
// The statement texts are fixed fragment by fragment, blanks included (two blanks where fragments meet, one
// trailing blank after the gender condition); they appear verbatim in the SQL trace, so never tidy them.
#pragma once

#include "namedb/NameRow.h"

#include <QString>

#include <optional>

namespace tervala {

enum class SortColumn { None, Name, Meaning, Origin };

// What the filter controls hold at the start of a rebuild. A text filter is present only while its check box is
// checked, so the text of an unchecked box cannot reach a statement.
struct FilterState {
    std::optional<QChar> letter; // 'A'..'Z'; none for "ALL" or while no letter is selected
    bool favouritesOnly = false;
    std::optional<QString> meaning; // text the meaning must contain
    std::optional<QString> name; // text the name must contain
    std::optional<QString> origin; // text the origin must contain
    SortColumn sort = SortColumn::None;
};

// The letter, favourites, meaning, name and origin fragments, in this order.
QString composeConditionTail(const FilterState& filter);

QString composeCountSql(const FilterState& filter, Gender gender);
QString composeRowSql(const FilterState& filter, Gender gender);

} // namespace tervala
