// The merge (Command4): every row of bayiorigin2 whose name and origin are not yet in the staging database's
// namabayi is added to it, with the name re-cased and the meaning cleaned once more. Rows added earlier in the
// same run count as present, so of equal source rows only the first is added.
#pragma once

#include "builder/RowInsert.h"

#include <QString>

namespace tervala {

class StageRun;

// "select nama from namabayi where nama='<name>' and asal='<origin>'": the name quoted, the origin as stored
// (neither is trimmed). A single quote in the origin makes the statement malformed.
QString composeDuplicateTest(const StagingRow& source);

// A new source row as it goes into namabayi: name re-cased; meaning without "&#039" (the ";" after it stays) and,
// when it still holds "<", with its tags stripped; origin and gender unchanged. Nothing is trimmed here.
StagingRow mergeRow(const StagingRow& source);

// Stops at the first failure until the first new row is about to be inserted; from then on a refused insert adds
// nothing and a failing duplicate test counts the row as present, and the run goes on.
void runMerge(StageRun& run);

} // namespace tervala
