// Fitting text with QFontMetrics, as the item views lay out cell text.
#include "runtime/controls/TextFit.h"

namespace tervala::rt {

bool textFits(const QFontMetrics& metrics, const QSize& area, const QString& text, bool wordWrap)
{
    if (text.isEmpty())
        return true;
    if (!wordWrap)
        return metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height();
    // Lay out in an unbounded height; a word too wide for the width comes back wider than the area.
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace tervala::rt
