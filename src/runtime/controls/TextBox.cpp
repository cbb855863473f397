#include "runtime/controls/TextBox.h"

namespace tervala::rt {

TextBox::TextBox(QWidget* parent, const QString& name)
    : QLineEdit(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

} // namespace tervala::rt
