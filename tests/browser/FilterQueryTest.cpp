// The statements are compared as whole texts: the blanks between fragments are part of what the engine and the
// trace receive.
#include "browser/FilterQuery.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

TEST(FilterQuery, NoFilterLeavesTwoBlanksBeforeTheOrder)
{
    FilterState filter;
    filter.sort = SortColumn::Name;
    EXPECT_EQ(composeCountSql(filter, "M"), QString("SELECT count(nama) FROM namabayi where jk='M' "));
    EXPECT_EQ(composeRowSql(filter, "M"), QString("SELECT * FROM namabayi where jk='M'  order by nama"));
}

TEST(FilterQuery, EveryFragmentInItsPlace)
{
    FilterState filter;
    filter.letter = "B";
    filter.favouritesOnly = true;
    filter.meaningOn = true;
    filter.meaningText = "love";
    filter.nameOn = true;
    filter.nameText = "an";
    filter.sort = SortColumn::Meaning;
    const QString tail = " AND ucase(left(nama,1))='B'  And fav=true  and ucase(arti) like '%LOVE%'  and "
                         "ucase(nama) like '%AN%' ";
    EXPECT_EQ(composeCountSql(filter, "F"), "SELECT count(nama) FROM namabayi where jk='F' " + tail);
    EXPECT_EQ(composeRowSql(filter, "F"), "SELECT * FROM namabayi where jk='F' " + tail + " order by arti");
}

TEST(FilterQuery, TextsAreQuotedAndNamesUpperCasedButNotTrimmed)
{
    const struct {
        const char* name;
        const char* origin;
        QString tail;
    } cases[] = {
        { "o'n", "Ma'ori", " and ucase(nama) like '%O''N%'  and asal like '%Ma''ori%' " },
        { " zoë ", "", " and ucase(nama) like '% ZOË %'  and asal like '%%' " },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FilterState filter;
        filter.nameOn = true;
        filter.nameText = c.name;
        filter.originOn = true;
        filter.originText = c.origin;
        EXPECT_EQ(composeConditionTail(filter), c.tail);
    }
}

TEST(FilterQuery, UncheckedTextsHaveNoEffect)
{
    FilterState filter;
    filter.meaningText = "love";
    filter.nameText = "an";
    filter.originText = "Greek";
    EXPECT_EQ(composeConditionTail(filter), QString());
}
