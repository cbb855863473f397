// The long-meaning limit of a list row and the progress bar's share before each row.
#include "browser/ListRow.h"

#include "TestSupport.h"

using namespace tervala;

// Characters are counted as the grid's text counts them: one per letter, two for a letter beyond 16 bits.
TEST(ListRow, LongMeaningStartsAfterFortyCharacters)
{
    const std::pair<QString, bool> cases[] = {
        { QString(40, 'x'), false }, { QString(41, 'x'), true },           { QString(40, u'ë'), false },
        { QString(41, u'ë'), true }, { QString("😀").repeated(20), false }, { QString("😀").repeated(20) + "x", true },
        { QString(), false },
    };
    for (const auto& [meaning, isLong] : cases)
        EXPECT_EQ(isLongMeaning(meaning.toUtf8()), isLong) << meaning.toStdString();
}

TEST(ListRow, BarReachesItsShareBeforeEachRow)
{
    EXPECT_FLOAT_EQ(progressBarWidth(1, 4, 4335), 1083.75f);
    EXPECT_FLOAT_EQ(progressBarWidth(3, 4, 4335), 3251.25f);
    // The last row fills the box exactly; one row of one is full at once.
    EXPECT_FLOAT_EQ(progressBarWidth(4, 4, 4335), 4335.0f);
    EXPECT_FLOAT_EQ(progressBarWidth(1, 1, 4335), 4335.0f);
    EXPECT_FLOAT_EQ(progressBarWidth(0, 4, 4335), 0.0f);
    EXPECT_FLOAT_EQ(progressBarWidth(1, 0, 4335), 4335.0f);
    EXPECT_FLOAT_EQ(progressBarWidth(7, 5, 4335), 4335.0f);
}
