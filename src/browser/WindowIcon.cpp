#include "browser/WindowIcon.h"

namespace tervala {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/example.tervala.Tervala.png").arg(size));
    return icon;
}

} // namespace tervala
