#include "runtime/controls/CommandButton.h"

namespace tervala::rt {

CommandButton::CommandButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    connect(this, &QAbstractButton::clicked, this, &CommandButton::Click);
}

} // namespace tervala::rt
