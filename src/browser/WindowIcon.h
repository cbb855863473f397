// The browser window's icon: the 16x16 and 32x32 images of the installed hicolor icon (data/icons), which hold
// only the 16 colours of the classic palette, so the window and the desktop menu show the same picture.
#pragma once

#include <QIcon>

namespace tervala {

QIcon windowIcon16And32();

} // namespace tervala
