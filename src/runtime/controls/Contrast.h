// Contrast between a text colour and its background, as the WCAG defines it: (L1 + 0.05) / (L2 + 0.05) over the
// relative luminances of the two sRGB colours, lighter over darker; 1 for equal colours, 21 for black on white.
#pragma once

#include <QColor>

namespace tervala::rt {

double contrastRatio(const QColor& text, const QColor& background);

// Black or white, whichever contrasts more with background: text drawn in it on that background stays readable
// whatever palette the desktop uses.
QColor readableTextColor(const QColor& background);

} // namespace tervala::rt
