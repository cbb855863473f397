// The user's data home as the XDG base directory rules give it: $XDG_DATA_HOME when it is an absolute path (a
// relative one is ignored), else ~/.local/share. Folders are QStrings throughout the program, and a QString
// cannot hold bytes that are not UTF-8, so such a value is refused rather than mapped onto another folder.
#pragma once

#include <QByteArray>
#include <QString>

namespace tervala::rt {

// The data home for the raw bytes of XDG_DATA_HOME (empty when unset) and the user's home folder. Throws
// FileError, naming the variable, when an absolute value holds bytes that are not UTF-8.
QString dataHome(const QByteArray& xdgDataHome, const QString& homeFolder);

} // namespace tervala::rt
