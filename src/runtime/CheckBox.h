// A two-state check box whose value is 0 (unchecked) or 1 (checked).
// Click is raised on every change of the state, whether the user or code made it.
#pragma once

#include <QCheckBox>

namespace tervala::rt {

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    // index is the position in a control array, -1 for a lone box.
    CheckBox(QWidget* parent, const QString& name, int index = -1);

    int index() const { return m_index; }
    int value() const { return isChecked() ? 1 : 0; }
    // value must be 0 or 1.
    void setValue(int value);

signals:
    void Click();

private:
    int m_index;
};

} // namespace tervala::rt
