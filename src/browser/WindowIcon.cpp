#include "browser/WindowIcon.h"

namespace tervala {

QIcon windowIcon16And32()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/16x16/apps/example.tervala.Tervala.png"));
    icon.addFile(QStringLiteral(":/icons/32x32/apps/example.tervala.Tervala.png"));
    return icon;
}

} // namespace tervala
