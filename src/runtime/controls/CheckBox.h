// A two-state check box whose value is 0 (unchecked) or 1 (checked).
// Click is raised on every change of the state, whether the user or code made it.
#pragma once

#include <QCheckBox>

namespace tervala::rt {

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const QString& name);

    int value() const { return isChecked() ? 1 : 0; }
    // value must be 0 or 1.
    void setValue(int value);

signals:
    void Click();
};

} // namespace tervala::rt
