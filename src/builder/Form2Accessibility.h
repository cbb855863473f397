// The words a screen reader says for the builder window and its buttons.
#pragma once

class QWidget;

namespace tervala {

// Names each button by the stage it runs; the captions stay "Command1" to "Command4".
void applyForm2Accessibility(QWidget& form);

} // namespace tervala
