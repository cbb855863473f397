// Placement in twips, the unit every legacy form measures in (1/1440 inch), and the legacy default font.
// One pixel is 15 twips, as on a 96 dpi screen; each value converts on its own, rounded to the nearest pixel.
#pragma once

#include <QFont>

class QWidget;

namespace tervala::rt {

constexpr int TwipsPerPixel = 15;

// The point size of the font every legacy form used ("MS Sans Serif" 8.25 pt).
constexpr double LegacyPointSize = 8.25;

// Rounds half away from zero, in integers; inline, since a progress bar converts four values for every row of a
// load.
constexpr int twipsToPixels(int twips)
{
    const int magnitude = (2 * (twips < 0 ? -twips : twips) + TwipsPerPixel) / (2 * TwipsPerPixel);
    return twips < 0 ? -magnitude : magnitude;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// Places w at a rectangle given in twips relative to its parent's top-left corner.
void setTwipsGeometry(QWidget* w, int left, int top, int width, int height);

// "MS Sans Serif" at pointSize, which fontconfig replaces by the nearest sans-serif font on the machine.
QFont legacyFont(double pointSize, bool bold = false);

} // namespace tervala::rt
