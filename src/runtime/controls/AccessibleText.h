// The words a screen reader says for the controls of a form, given as a table by object name, so the visible
// captions stay as the design has them.
#pragma once

#include <span>

class QWidget;

namespace tervala::rt {

// name says what the control is; description, may be null, what using it does. Both are source texts of the
// translation context the table is applied with (QT_TRANSLATE_NOOP).
struct AccessibleText {
    const char* objectName;
    const char* name;
    const char* description;
};

// Gives form itself (matched by its own object name) and each control found under it by object name its
// accessible name and description, translated in context. Every listed object name must exist: a missing one is
// a programmer error.
void applyAccessibleTexts(QWidget& form, const char* context, std::span<const AccessibleText> texts);

} // namespace tervala::rt
