// Windows paths as the program writes them, mapped to host paths.
// Drive C: lives in the folder drive_c beside the program; every other path only swaps "\" for "/".
#pragma once

#include <QString>

namespace tervala::rt {

// "C:\a\b" (either case of the drive letter) -> "<program folder>/drive_c/a/b"; any other path has its
// backslashes turned into slashes, so "/home/x\ter.va" -> "/home/x/ter.va". The program folder is
// QCoreApplication::applicationDirPath(), so a QCoreApplication must exist.
QString toHostPath(const QString& windowsPath);

} // namespace tervala::rt
