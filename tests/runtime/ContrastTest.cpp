// Contrast ratios against known WCAG figures, and the text colour chosen for a background.
#include "runtime/Contrast.h"

#include <gtest/gtest.h>

using namespace tervala::rt;

TEST(Contrast, RatioOfKnownPairsEitherWayRound)
{
    const struct {
        QColor a, b;
        double ratio;
    } pairs[] = {
        { Qt::black, Qt::white, 21.0 },
        { QColor(0x77, 0x77, 0x77), Qt::white, 4.48 }, // the grey just below the 4.5:1 line
        { QColor(0x76, 0x76, 0x76), Qt::white, 4.54 },
        { QColor(0, 0, 255), Qt::white, 8.59 },
        { QColor(255, 220, 220), QColor(255, 220, 220), 1.0 },
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.a.name().toStdString() + " on " + pair.b.name().toStdString());
        EXPECT_NEAR(contrastRatio(pair.a, pair.b), pair.ratio, 0.01);
        EXPECT_NEAR(contrastRatio(pair.b, pair.a), pair.ratio, 0.01);
    }
}

TEST(Contrast, ReadableTextIsBlackOnLightAndWhiteOnDark)
{
    const struct {
        QColor background, text;
    } cases[] = {
        { Qt::white, Qt::black },         { QColor(255, 220, 220), Qt::black },    { QColor(220, 255, 220), Qt::black },
        { QColor(0, 0, 128), Qt::white }, { QColor(0x35, 0x35, 0x35), Qt::white },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.background.name().toStdString());
        EXPECT_EQ(readableTextColor(c.background), c.text);
    }
}
