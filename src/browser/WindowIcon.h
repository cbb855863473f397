// The browser window's icon: a heart over a boy-blue and girl-pink field, in 16x16 and 32x32 images of the
// 16 colours of the classic palette.
#pragma once

#include <QIcon>

namespace tervala {

QIcon windowIcon16And32();

} // namespace tervala
