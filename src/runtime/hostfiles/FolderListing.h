// Listing the entries of one folder as the old Windows file system listed them: hidden entries (a name that
// begins with ".") left out, "." and ".." never listed, and the names sorted without regard to letter case, so
// the order is the same on every machine. An entry's kind is that of what it names after following links, so a
// link to a device, a broken link or a link loop is no entry. Every name is listed, whatever bytes it holds.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tervala::rt {

enum class FolderEntries { Files, FilesAndFolders };

struct FolderEntry {
    QString name; // the name as text: its bytes read as UTF-8 where they are valid UTF-8, else as Windows-1252
    QByteArray hostPath; // the folder's path and the name's own bytes, to open the entry with
};

// The entries directly in hostFolder, of the kinds asked for (Files: regular files only), in listing order. A
// folder that does not exist gives an empty list; one that exists but cannot be read throws FileError.
QList<FolderEntry> listFolder(const QString& hostFolder, FolderEntries kinds);

// Whether hostPath names a regular file after following links.
bool isRegularFile(const QByteArray& hostPath);

// The text of a host file name or path: UTF-8 where the bytes are valid UTF-8, else Windows-1252, the code page
// that names copied from the old platform were written in.
QString hostNameText(const QByteArray& hostName);

// The listing order: ordinal on the upper-cased names (QString::toUpper, then code units). Names equal that way
// are ordered by their own code units, so that no two names tie.
bool listsBefore(const QString& a, const QString& b);

} // namespace tervala::rt
