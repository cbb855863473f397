#include "runtime/controls/Label.h"

#include "runtime/controls/ControlName.h"

namespace tervala::rt {

Label::Label(QWidget* parent, const QString& name, const QString& caption, int index)
    : QLabel(parent)
{
    setObjectName(controlName(name, index));
    setTextFormat(Qt::PlainText);
    setText(caption);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace tervala::rt
