// The import of the US baby-name table usNameData(id, name, sex, births, rank, year) into popularity.db.
// The new file is written beside the old one under a temporary name and renamed over it only when complete, so
// a failed or interrupted import leaves the old file as it was.
#pragma once

#include "popularity/PopularityFile.h"

#include <QLockFile>
#include <QString>

#include <functional>

namespace tervala {

// Called with one line of progress per step, for the terminal.
using ImportProgress = std::function<void(const QString& line)>;

// Writes <folder>/popularity.db from the table usNameData of the SQLite file sourcePath and returns its note.
// Throws rt::FileError when sourcePath is missing, is not an SQLite file, lacks the table or one of its
// columns (the message names what is missing), holds no rows or a row whose id is not an integer (NULL, text,
// real), when another import into folder is running, or when the file cannot be written or renamed (the
// message says why: lockFailureReason); rt::DbError when a statement fails. After any failure popularity.db is
// unchanged and no temporary file is left.
PopularityNote importPopularity(const QString& sourcePath, const QString& folder, const ImportProgress& progress);

// Why the import's lock file could not be made in the folder, given QLockFile's error and the bytes free on the
// folder's device: another import holds it (the error names popularity.db), the device is full or the folder
// refuses a new file (the error names the folder).
QString lockFailureReason(QLockFile::LockError error, qint64 bytesAvailable);

} // namespace tervala
