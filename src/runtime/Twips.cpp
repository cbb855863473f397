// Twips to pixels and the legacy font.
#include "runtime/Twips.h"

#include <QWidget>

#include <cmath>

namespace tervala::rt {

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

void setTwipsGeometry(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QFont legacyFont(double pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace tervala::rt
