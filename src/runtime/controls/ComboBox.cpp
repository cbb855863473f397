#include "runtime/controls/ComboBox.h"

namespace tervala::rt {

ComboBox::ComboBox(QWidget* parent, const QString& name)
    : QComboBox(parent)
{
    setObjectName(name);
    // QComboBox selects the first entry added to an empty list unless it has a placeholder; a blank one keeps
    // the index at -1 for every way of adding entries and shows an empty box, as the old list did.
    setPlaceholderText(QStringLiteral(" "));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit Click();
    });
}

} // namespace tervala::rt
