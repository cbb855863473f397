// A push button raising Click when pressed; a disabled button raises nothing.
#pragma once

#include <QPushButton>

namespace tervala::rt {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    // An '&' in caption marks the access key, as it did on the old button.
    CommandButton(QWidget* parent, const QString& name, const QString& caption);

signals:
    void Click();
};

} // namespace tervala::rt
