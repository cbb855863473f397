// A one-line text box. Change is raised after every change of the text: once per keystroke, and also when
// code sets a different text.
#pragma once

#include <QLineEdit>

namespace tervala::rt {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& name);

signals:
    void Change();
};

} // namespace tervala::rt
