// The text of one list row, the long-meaning limit and the progress bar's share before each row.
#include "browser/ListRow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

TEST(ListRow, CellsOfARecord)
{
    EXPECT_EQ(listRowText("Zoë", "life", "Greek", 1), QString("Zoë\tlife \tGreek\tV"));
    EXPECT_EQ(listRowText(QVariant(), QVariant(), QVariant(), 0), QString("\t \t\t"));
}

TEST(ListRow, LongMeaningStartsAfterFortyCharacters)
{
    EXPECT_FALSE(isLongMeaning(QString(40, 'x')));
    EXPECT_TRUE(isLongMeaning(QString(41, 'x')));
    EXPECT_FALSE(isLongMeaning(QVariant()));
}

TEST(ListRow, BarReachesItsShareBeforeEachRow)
{
    EXPECT_FLOAT_EQ(progressBarWidth(1, 4, 4335), 1083.75f);
    EXPECT_FLOAT_EQ(progressBarWidth(3, 4, 4335), 3251.25f);
    EXPECT_FLOAT_EQ(progressBarWidth(1, 0, 4335), 4335.0f);
    EXPECT_FLOAT_EQ(progressBarWidth(7, 5, 4335), 4335.0f);
}
