// Applying an accessible-text table to a form's controls.
#include "runtime/controls/AccessibleText.h"

#include <QCoreApplication>
#include <QWidget>

namespace tervala::rt {

void applyAccessibleTexts(QWidget& form, const char* context, std::span<const AccessibleText> texts)
{
    for (const AccessibleText& text : texts) {
        const QString objectName = QString::fromLatin1(text.objectName);
        QWidget* control = objectName == form.objectName() ? &form : form.findChild<QWidget*>(objectName);
        Q_ASSERT_X(control, "applyAccessibleTexts", text.objectName);
        if (!control)
            continue;
        control->setAccessibleName(QCoreApplication::translate(context, text.name));
        control->setAccessibleDescription(text.description ? QCoreApplication::translate(context, text.description)
                                                           : QString());
    }
}

} // namespace tervala::rt
