// Where the program's two database files live. In a build tree they lie beside the executable. An installed
// program (executable in <prefix>/bin, packaged databases in <prefix>/share/tervala, which it never writes)
// keeps each user's own copies in <data home>/tervala, so every user has their own favourites.
#pragma once

#include <QString>

class QIODevice;

namespace tervala {

// <prefix>/share/tervala when executableFolder is <prefix>/bin and that folder exists; empty in a build tree.
QString packagedDataFolder(const QString& executableFolder);

// The program folder, without a trailing separator. In a build tree it is executableFolder, and nothing is
// checked or copied (a missing ter.va stays the start-up's database error). Installed, it is <dataHome>/tervala,
// created when missing; each database file it lacks is copied in from the packaged folder and an existing one
// is kept as it is, except that an existing ter.va gains the names of a packaged sample it has not taken yet. Throws
// rt::FileError naming the folder when it cannot be created or written (then nothing has been copied), or naming the
// file whose copy failed.
QString prepareProgramFolder(const QString& executableFolder, const QString& dataHome);

// Copies source into a new file target unless target exists; returns whether it copied. The bytes go to a
// temporary file beside target that is renamed to target only once complete, and the rename never replaces a
// file: a copy cut short leaves nothing under target's name. Throws rt::FileError when a read or write fails.
bool copyIfMissing(QIODevice& source, const QString& target);

} // namespace tervala
