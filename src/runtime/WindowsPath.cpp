// The drive prefix is matched before the separators are swapped: "C:/" written with slashes is no drive path.
#include "runtime/WindowsPath.h"

#include <QCoreApplication>

namespace tervala::rt {

QString toHostPath(const QString& windowsPath)
{
    QString path = windowsPath;
    if (path.startsWith(QLatin1String("C:\\"), Qt::CaseInsensitive))
        path = QCoreApplication::applicationDirPath() + QLatin1String("/drive_c/") + path.mid(3);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

} // namespace tervala::rt
