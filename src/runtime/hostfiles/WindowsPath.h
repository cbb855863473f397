// The fixed Windows paths of the program mapped to host paths: drive C: is the folder drive_c in the program
// folder. Only the separators of the fixed path are mapped; the program folder and names taken from the host
// are joined on the host side and keep every character, "\" included.
#pragma once

#include <QString>

namespace tervala::rt {

// "C:\a\b\" (either case of the drive letter) -> "<programFolder>/drive_c/a/b/". windowsPath must start with
// "C:\"; programFolder is a host path without a trailing separator and is used as it is.
QString toHostPath(const QString& programFolder, const QString& windowsPath);

} // namespace tervala::rt
