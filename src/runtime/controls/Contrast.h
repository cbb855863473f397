// Contrast between a text colour and its background, as the WCAG defines it: (L1 + 0.05) / (L2 + 0.05) over the
// relative luminances of the two sRGB colours, lighter over darker; 1 for equal colours, 21 for black on white.
#pragma once

#include <QColor>
#include <QPalette>

namespace tervala::rt {

double contrastRatio(const QColor& text, const QColor& background);

// Black or white, whichever contrasts more with background: text drawn in it on that background stays readable
// whatever palette the desktop uses.
QColor readableTextColor(const QColor& background);

// The least contrast of a text with its background that the windows accept (the WCAG's level AA for body text).
constexpr double MinimumContrast = 4.5;

// colors with the highlighted text of its active and inactive groups taken from inherited, turned black or white
// where inherited's own reads poorly on inherited's highlight: selected rows keep the desktop's highlight and
// stay readable.
QPalette withReadableSelection(const QPalette& inherited, QPalette colors);

} // namespace tervala::rt
