// The legacy forms were laid out for a narrow bitmap font; the faces that stand in for it (Arial metrics) are
// a little wider, so a caption that just fitted can be cut. fitCaptions gives each such caption a font it fits
// in, on one line where its control holds only one, without moving or resizing a control or changing a text.
#pragma once

#include <QFont>

class QWidget;

namespace tervala::rt {

// font when text takes at most width pixels on one line in it; otherwise font condensed (down to 85% of its
// width) and then, if need be, made smaller (down to 6 pt), just enough; the smallest of those when nothing fits.
QFont fittingFont(QFont font, const QString& text, int width);

// For every label, check box, option button and command button below window: a label whose height holds one
// line only stops wrapping; then a caption wider than the space its control leaves for text (for a wrapping
// label, its widest word) gets fittingFont.
void fitCaptions(QWidget& window);

} // namespace tervala::rt
