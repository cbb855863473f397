// A group is Qt's auto-exclusive grouping of the radio buttons of one parent widget.
#include "runtime/controls/OptionButton.h"

#include "runtime/controls/ControlName.h"

namespace tervala::rt {

OptionButton::OptionButton(QWidget* parent, const QString& name, int index)
    : QRadioButton(parent)
{
    setObjectName(controlName(name, index));
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!checked)
            return;
        // A user's click raises toggled before Qt clears the group's previous selection; a handler reading the
        // group must already see this button alone selected.
        for (auto* sibling : parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != this && sibling->isChecked() && sibling->autoExclusive())
                sibling->setChecked(false);
        }
        emit Click();
    });
}

void OptionButton::setValue(bool on)
{
    if (on || !isChecked()) {
        setChecked(on);
        return;
    }
    // Qt refuses to uncheck the checked button of an auto-exclusive group; code may, so lift the rule briefly.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

} // namespace tervala::rt
