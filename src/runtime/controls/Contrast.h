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

// colors whose active and inactive highlight is inherited's highlightRole colour (the desktop's highlight unless
// told otherwise), with inherited's highlighted text, turned black or white where that reads poorly on it:
// selected rows keep the desktop's colours and stay readable.
QPalette withReadableSelection(const QPalette& inherited,
                               QPalette colors,
                               QPalette::ColorRole highlightRole = QPalette::Highlight);

} // namespace tervala::rt
