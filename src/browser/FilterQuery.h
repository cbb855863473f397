// The filter controls' state turned into the count and row statements of one list.
// The statement texts are fixed fragment by fragment, blanks included (two blanks where fragments meet, one
// trailing blank after the gender condition); they appear verbatim in the SQL trace, so never tidy them.
#pragma once

#include <QString>

namespace tervala {

enum class SortColumn { None, Name, Meaning, Origin };

// What the filter controls hold at the start of a rebuild. A text filter applies only when its box is checked.
struct FilterState {
    QString letter; // "A".."Z", or empty for "ALL" or no letter
    bool favouritesOnly = false;
    bool meaningOn = false;
    QString meaningText;
    bool nameOn = false;
    QString nameText;
    bool originOn = false;
    QString originText;
    SortColumn sort = SortColumn::None;
};

// The letter, favourites, meaning, name and origin fragments, in this order.
QString composeConditionTail(const FilterState& filter);

// gender is "M" or "F".
QString composeCountSql(const FilterState& filter, const QString& gender);
QString composeRowSql(const FilterState& filter, const QString& gender);

} // namespace tervala
