// Listing the entries of one folder as the old Windows file system listed them: hidden entries (a name that
// begins with ".") and other non-file, non-folder entries left out, "." and ".." never listed, and the names
// sorted without regard to letter case, so the order is the same on every machine.
#pragma once

#include <QStringList>

namespace tervala::rt {

enum class FolderEntries { Files, FilesAndFolders };

// Names (not paths) of the entries directly in hostFolder, of the kinds asked for, in listing order. A folder
// that does not exist gives an empty list; one that exists but cannot be read throws FileError.
QStringList listFolder(const QString& hostFolder, FolderEntries kinds);

// The listing order: ordinal on the upper-cased names (QString::toUpper, then code units). Names equal that way
// are ordered by their own code units, so that no two names tie.
bool listsBefore(const QString& a, const QString& b);

} // namespace tervala::rt
