// A drop-down list (not editable). Nothing is chosen until the user or code chooses an entry: adding entries
// never selects one, and text() is empty meanwhile. Click is raised whenever the chosen entry changes to an
// entry, by the user or by setCurrentIndex; clearing the choice (index -1) raises nothing.
#pragma once

#include <QComboBox>

namespace tervala::rt {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, const QString& name);

    // The chosen entry, empty while none is chosen.
    QString text() const { return currentText(); }

signals:
    void Click();
};

} // namespace tervala::rt
