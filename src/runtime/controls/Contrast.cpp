// Relative luminance and contrast ratio of sRGB colours; alpha is ignored.
#include "runtime/controls/Contrast.h"

#include <algorithm>
#include <cmath>

namespace tervala::rt {

namespace {

double linearChannel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
        + 0.0722 * linearChannel(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& text, const QColor& background)
{
    const double a = relativeLuminance(text);
    const double b = relativeLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextColor(const QColor& background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QPalette withReadableSelection(const QPalette& inherited, QPalette colors, QPalette::ColorRole highlightRole)
{
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        const QColor highlight = inherited.color(group, highlightRole);
        QColor text = inherited.color(group, QPalette::HighlightedText);
        if (contrastRatio(text, highlight) < MinimumContrast)
            text = readableTextColor(highlight);
        colors.setColor(group, QPalette::Highlight, highlight);
        colors.setColor(group, QPalette::HighlightedText, text);
    }
    return colors;
}

} // namespace tervala::rt
