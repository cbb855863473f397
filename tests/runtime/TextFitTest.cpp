// Whether a cell's text shows whole: one line, wrapped lines, a word wider than the cell.
#include "runtime/TextFit.h"

#include "TestSupport.h"

#include <QFont>

#include <gtest/gtest.h>

using tervala::rt::textFits;

TEST(TextFit, WidthHeightAndWrapping)
{
    const QFontMetrics metrics(QFont(QStringLiteral("Liberation Sans"), 9));
    const int word = metrics.horizontalAdvance(QStringLiteral("strength"));
    const int line = metrics.height();
    const QString twoWords = QStringLiteral("strength strength");
    const struct {
        QString text;
        QSize area;
        bool wordWrap;
        bool fits;
    } cases[] = {
        { QString(), { 0, 0 }, false, true },
        { QStringLiteral("strength"), { word, line }, false, true },
        { QStringLiteral("strength"), { word - 1, line }, false, false },
        { QStringLiteral("strength"), { word, line - 1 }, false, false },
        { twoWords, { word + 2, 2 * line }, false, false },
        { twoWords, { word + 2, 2 * line }, true, true },
        { twoWords, { word + 2, 2 * line - 1 }, true, false },
        { QStringLiteral("strengthstrength"), { word + 2, 4 * line }, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + (c.wordWrap ? " wrapped" : " one line"));
        EXPECT_EQ(textFits(metrics, c.area, c.text, c.wordWrap), c.fits);
    }
}
