// The sample names a package brings, carried into a user's own name database. The build stamps each database it
// fills from the sample with the sample's mark (the file header's user_version, a digest of the names file), and a
// user's copy keeps the mark of the last sample it took names from. An upgrade whose sample has another mark adds its
// new names once.
#pragma once

#include <QString>

namespace tervala {

// Reads the mark of the database file at path (0 for a file no sample was ever stamped on).
int sampleMarkOf(const QString& path);

// Adds to userDatabase each row of packagedDatabase's namabayi whose nama, asal and jk, compared exactly, it
// lacks, and then takes the packaged file's mark, all in one transaction: a run cut short leaves the file as
// it was. Rows already there, favourites and the user's own names included, stay exactly as they are. Does
// nothing when both files carry the same mark, so names the user deleted stay deleted until a new sample comes.
// Returns how many names were added. Throws rt::FileError naming userDatabase on failure.
int addNewSampleNames(const QString& userDatabase, const QString& packagedDatabase);

} // namespace tervala
