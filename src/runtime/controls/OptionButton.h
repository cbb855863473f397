// An option button: buttons with the same parent widget form one group of which at most one is selected.
// Click is raised only when a button becomes selected, from a click or from setValue(true), and is delivered
// before setValue returns; handlers may rely on that ordering.
#pragma once

#include <QRadioButton>

namespace tervala::rt {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    // index is the position in a control array, -1 for a lone button.
    OptionButton(QWidget* parent, const QString& name, int index = -1);

    bool value() const { return isChecked(); }
    // setValue(false) on the selected button leaves the whole group unselected.
    void setValue(bool on);

signals:
    void Click();
};

} // namespace tervala::rt
