#include "runtime/controls/CheckBox.h"

namespace tervala::rt {

CheckBox::CheckBox(QWidget* parent, const QString& name)
    : QCheckBox(parent)
{
    setObjectName(name);
    connect(this, &QAbstractButton::toggled, this, &CheckBox::Click);
}

void CheckBox::setValue(int value)
{
    Q_ASSERT(value == 0 || value == 1);
    setChecked(value != 0);
}

} // namespace tervala::rt
