// Whether a text shows whole in the area a control draws it in, or is cut off (elided or clipped).
#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>

namespace tervala::rt {

// True when text, drawn in metrics' font, fits in area (pixels): on one line, or wrapped at word boundaries
// when wordWrap is set. A word wider than the area never fits. An empty text always fits.
bool textFits(const QFontMetrics& metrics, const QSize& area, const QString& text, bool wordWrap);

} // namespace tervala::rt
