// The fixed Windows folders that the page imports read; rt::toHostPath maps them below the program folder that
// the builder window was given (drive C: is the folder drive_c there).
#pragma once

#include <QString>

namespace tervala {

// Folder of the saved list pages; ends with a backslash.
inline const QString ListPageFolder = QStringLiteral("C:\\data\\Tervala\\db20000\\");
// Root of the mirrored origin pages, one subfolder per page; ends with a backslash.
inline const QString OriginPageRoot
    = QStringLiteral("C:\\My Web Sites\\babyorigin\\names.example\\baby-names\\meaning\\");
// Side file of the origin import, in the program folder.
inline const QString OriginSideFile = QStringLiteral("namaorigin.htm");

} // namespace tervala
