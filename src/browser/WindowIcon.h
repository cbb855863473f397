// The browser window's icon: the images of the installed hicolor icon (data/icons) at every size the package
// installs, so the window, the task switcher and the desktop menu show the same picture at any scale.
#pragma once

#include <QIcon>

namespace tervala {

QIcon programIcon();

} // namespace tervala
