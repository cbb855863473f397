#include "runtime/controls/Twips.h"

#include <QWidget>

namespace tervala::rt {

void setTwipsGeometry(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QFont legacyFont(double pointSize, bool bold)
{
    // The old font is narrow; fontconfig's own choice for it (often DejaVu Sans) is wide enough to cut
    // captions that fitted, so Arial-metric faces come first where the machine has them.
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   { QStringLiteral("Microsoft Sans Serif"),
                                     QStringLiteral("Liberation Sans"),
                                     QStringLiteral("Arimo"),
                                     QStringLiteral("Arial") });
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace tervala::rt
