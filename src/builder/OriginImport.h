// The origin page import (Command1): every subfolder of the origin page root holds one saved page,
// "index.html", describing one name. The stage empties bayiorigin, leaves an empty side file "namaorigin.htm"
// in the program folder, and writes one row per page with the name, origin, gender text and meaning cut from it.
#pragma once

#include "builder/RowInsert.h"

#include <QString>

namespace tervala {

class StageRun;

// The four cuts of one origin page, in page order: name, origin, gender text, meaning. Each searches from where
// the one before left the cursor; a value not found stays empty. When a cut finds its start marker but no "<"
// after it, no "<" follows anywhere, so the later cuts of the page find nothing and stay empty.
StagingRow cutOriginPage(const QString& pageText);

// Throws rt::FileError when the side file cannot be deleted or created, or a page cannot be read.
void runOriginImport(StageRun& run);

} // namespace tervala
