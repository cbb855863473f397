// Keys every window of the program answers alike: Ctrl+Q closes every window, which ends the program, and
// Ctrl+W closes the one window it is pressed in. They work while any control of that window has the keyboard.
#pragma once

class QWidget;

namespace tervala::rt {

void addQuitShortcut(QWidget* window);
void addCloseShortcut(QWidget* window);

} // namespace tervala::rt
