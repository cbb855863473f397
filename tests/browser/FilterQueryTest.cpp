// The statements are compared as whole texts: the blanks between fragments are part of what the engine and the
// trace receive.
#include "browser/FilterQuery.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

namespace {

FilterState sortedByName()
{
    FilterState filter;
    filter.sort = SortColumn::Name;
    return filter;
}

} // namespace

TEST(FilterQuery, NoFilterKeepsTheBlankBeforeTheOrder)
{
    const FilterState filter = sortedByName();
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

TEST(FilterQuery, TextsAreUpperCasedAndQuotedButNotTrimmed)
{
    struct Case {
        const char* typed;
        const char* pattern;
    };
    const Case cases[] = {
        { "o'n", "'%O''N%'" }, { " zoë ", "'% ZOË %'" }, { "%", "'%%%'" }, { "_", "'%_%'" }, { "", "'%%'" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FilterState filter;
        filter.nameOn = true;
        filter.nameText = QString::fromUtf8(c.typed);
        EXPECT_EQ(composeConditionTail(filter), " and ucase(nama) like " + QString::fromUtf8(c.pattern) + " ");
    }
}

TEST(FilterQuery, OriginIsQuotedButKeepsItsCase)
{
    FilterState filter;
    filter.originOn = true;
    filter.originText = "Ma'ori";
    EXPECT_EQ(composeConditionTail(filter), QString(" and asal like '%Ma''ori%' "));
}

TEST(FilterQuery, UncheckedTextsHaveNoEffect)
{
    FilterState filter = sortedByName();
    filter.meaningText = "love";
    filter.nameText = "an";
    filter.originText = "Greek";
    EXPECT_EQ(composeConditionTail(filter), QString());
}

TEST(FilterQuery, OrderFragmentFollowsTheSortColumn)
{
    FilterState filter;
    const std::pair<SortColumn, QString> cases[] = {
        { SortColumn::Name, " order by nama" },
        { SortColumn::Meaning, " order by arti" },
        { SortColumn::Origin, " order by asal" },
        { SortColumn::None, "" },
    };
    for (const auto& [sort, order] : cases) {
        filter.sort = sort;
        EXPECT_EQ(composeRowSql(filter, "M"), "SELECT * FROM namabayi where jk='M' " + order);
    }
}
