#include "runtime/hostfiles/WindowsPath.h"

namespace tervala::rt {

QString toHostPath(const QString& programFolder, const QString& windowsPath)
{
    Q_ASSERT(windowsPath.startsWith(QLatin1String("C:\\"), Qt::CaseInsensitive));
    QString below = windowsPath.mid(3);
    below.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programFolder + QLatin1String("/drive_c/") + below;
}

} // namespace tervala::rt
