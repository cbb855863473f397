// Contrast ratios against known WCAG figures, either way round; the browser window's tests rely on them.
#include "runtime/controls/Contrast.h"

#include <gtest/gtest.h>

TEST(Contrast, RatioOfKnownPairsEitherWayRound)
{
    const std::tuple<QColor, QColor, double> pairs[] = {
        { Qt::black, Qt::white, 21.0 },
        { QColor(0x77, 0x77, 0x77), Qt::white, 4.48 }, // the grey just below the 4.5:1 line
        { QColor(0x76, 0x76, 0x76), Qt::white, 4.54 },
        { QColor(0, 0, 255), Qt::white, 8.59 },
    };
    for (const auto& [a, b, ratio] : pairs) {
        EXPECT_NEAR(tervala::rt::contrastRatio(a, b), ratio, 0.01) << a.name().toStdString();
        EXPECT_NEAR(tervala::rt::contrastRatio(b, a), ratio, 0.01) << a.name().toStdString();
    }
}
