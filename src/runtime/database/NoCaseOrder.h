// The order of the NOCASE collation that the dialect installs.
#pragma once

#include <QByteArrayView>

namespace tervala::rt {

// The NOCASE order of two UTF-8 texts: <0, 0 or >0. Texts compare first with letter case and diacritics
// removed ("Ángel" beside "Angel"), then by letter case folded alone; equal only when they differ in letter
// case alone ("Zoë" = "ZOË", "Zoe" < "Zoë").
int compareNoCase(QByteArrayView a, QByteArrayView b);

} // namespace tervala::rt
