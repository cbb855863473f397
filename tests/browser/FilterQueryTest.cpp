// The statements are compared as whole texts: the blanks between fragments are part of what the engine and the
// trace receive. Which control feeds which fragment is tested through the window (Form1Test).
#include "browser/FilterQuery.h"

#include "TestSupport.h"

using namespace tervala;

TEST(FilterQuery, EveryFragmentInItsPlace)
{
    const FilterState filter { 'B', true, "love", "an", "Ma'ori", SortColumn::Meaning };
    const QString tail = " AND ucase(left(nama,1))='B'  And fav=true  and ucase(arti) like '%LOVE%'  and "
                         "ucase(nama) like '%AN%'  and asal like '%Ma''ori%' ";
    EXPECT_EQ(composeCountSql(filter, Gender::Female), "SELECT count(nama) FROM namabayi where jk='F' " + tail);
    EXPECT_EQ(composeRowSql(filter, Gender::Female), "SELECT * FROM namabayi where jk='F' " + tail + " order by arti");
}

// Typed texts are quoted and upper-cased, beyond ASCII too, but not trimmed; the origin keeps its case.
TEST(FilterQuery, TextsAreQuotedAndUpperCasedButNotTrimmed)
{
    const struct {
        const char* typed;
        QString tail;
    } cases[] = {
        { "o'n", " and ucase(arti) like '%O''N%'  and ucase(nama) like '%O''N%'  and asal like '%o''n%' " },
        { " zoë ", " and ucase(arti) like '% ZOË %'  and ucase(nama) like '% ZOË %'  and asal like '% zoë %' " },
        { "", " and ucase(arti) like '%%'  and ucase(nama) like '%%'  and asal like '%%' " },
    };
    for (const auto& c : cases)
        EXPECT_EQ(composeConditionTail({ {}, false, c.typed, c.typed, c.typed, {} }), c.tail) << c.typed;
}
