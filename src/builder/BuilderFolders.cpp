#include "builder/BuilderFolders.h"

#include "runtime/WindowsPath.h"

namespace tervala {

QString builderHostPath(const QString& programFolder, const QString& windowsPath)
{
    // rt::toHostPath maps drive C: below the executable's folder; the window's program folder decides here.
    if (windowsPath.startsWith(QLatin1String("C:\\"), Qt::CaseInsensitive))
        return rt::toHostPath(programFolder + QLatin1String("\\drive_c\\") + windowsPath.mid(3));
    return rt::toHostPath(windowsPath);
}

} // namespace tervala
