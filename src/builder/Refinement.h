// The staging refinement (Command3): every row of bayi20000 is cleaned of the HTML left in its name and meaning,
// its gender and origin letter case normalised, and written as one new row of bayiorigin2. Rows already in
// bayiorigin2 stay; the stage removes no duplicates and catches no failure.
#pragma once

#include "builder/RowInsert.h"

namespace tervala {

class StageRun;

// One source row, refined:
// - name: "<b>" and "</b>" removed (lower case only); a name holding "<a name" becomes the re-cased text between
//   its first two double quotes (all after the quote when there is only one). Without any double quote the
//   anchor cannot be cut, and the name is kept as it is.
// - meaning: when it holds "<", tags stripped and "&#039;" removed; otherwise unchanged.
// - gender upper-cased; origin with its first character upper-cased. Nothing is trimmed here.
StagingRow refineRow(const StagingRow& source);

void runRefinement(StageRun& run);

} // namespace tervala
