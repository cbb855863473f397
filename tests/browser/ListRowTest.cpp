#include "browser/ListRow.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

TEST(ListRow, CellsOfARecord)
{
    EXPECT_EQ(listRowText("Zoë", "life", "Greek", 1), QString("Zoë\tlife \tGreek\tV"));
    EXPECT_EQ(listRowText("Adam", "earth", "Hebrew", 0), QString("Adam\tearth \tHebrew\t"));
    EXPECT_EQ(listRowText(QVariant(), QVariant(), QVariant(), QVariant()), QString("\t \t\t"));
}

TEST(ListRow, LongMeaningStartsAfterFortyCharacters)
{
    EXPECT_FALSE(isLongMeaning(QString(40, 'x')));
    EXPECT_TRUE(isLongMeaning(QString(41, 'x')));
    EXPECT_FALSE(isLongMeaning(QVariant()));
}

TEST(ListRow, BarReachesItsShareBeforeEachRow)
{
    const float expected[] = { 1083.75f, 2167.5f, 3251.25f, 4335.0f };
    for (int row = 1; row <= 4; ++row)
        EXPECT_FLOAT_EQ(progressBarWidth(row, 4, 4335), expected[row - 1]);
    EXPECT_FLOAT_EQ(progressBarWidth(1, 0, 4335), 4335.0f);
    EXPECT_FLOAT_EQ(progressBarWidth(7, 5, 4335), 4335.0f);
}
