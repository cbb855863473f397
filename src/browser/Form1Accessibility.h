// The words a screen reader says for each control of the browser window.
#pragma once

class QWidget;

namespace tervala {

// Gives the window and every control in it its accessible name and description; call once the controls exist.
void applyForm1Accessibility(QWidget& form);

} // namespace tervala
