#include "runtime/controls/ControlName.h"

namespace tervala::rt {

QString controlName(const QString& name, int index)
{
    Q_ASSERT(index >= -1);
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace tervala::rt
