// Applying an accessible-text table to a form's controls.
#include "runtime/controls/AccessibleText.h"

#include <QWidget>

namespace tervala::rt {

void applyAccessibleTexts(QWidget& form, std::span<const AccessibleText> texts)
{
    for (const AccessibleText& text : texts) {
        const QString objectName = QString::fromLatin1(text.objectName);
        QWidget* control = objectName == form.objectName() ? &form : form.findChild<QWidget*>(objectName);
        Q_ASSERT_X(control, "applyAccessibleTexts", text.objectName);
        if (!control)
            continue;
        control->setAccessibleName(QString::fromUtf8(text.name));
        control->setAccessibleDescription(text.description ? QString::fromUtf8(text.description) : QString());
    }
}

} // namespace tervala::rt
