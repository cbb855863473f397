// The favourites' data work without the window: an import's counts and statements, all marks or none.
#include "browser/FavouriteStore.h"

#include "TestDatabase.h"

using namespace tervala;

TEST(FavouriteStore, ImportCountsEachNameOnceAndMarksAllOrNone)
{
    TestDatabase db("ter.va", "ter.va.sql");
    db.insert("namabayi",
              "nama,arti,asal,jk,fav",
              { { "Ava", "bird", "Latin", "F", "0" },
                { "Ava", "voice", "Persian", "F", "0" },
                { "Riley", "valiant", "Irish", "M", "0" },
                { "Riley", "valiant", "Irish", "F", "1" },
                { "O'Neil", "champion", "Irish", "M", "0" } });
    const std::vector<FavouriteRecord> records {
        { { "Ava", {}, "Latin", Gender::Female }, true },
        { { "riley", {}, "irish", Gender::Male }, false },
        { { "O'Neil", {}, "Irish", Gender::Male }, true },
        { { "Zoë", {}, "Greek", Gender::Female }, true },
    };
    const QString favourites = "select nama || ' ' || asal || ' ' || jk from namabayi where fav order by rowid";

    int asked = 0;
    EXPECT_FALSE(markImportedFavourites(db.connection(), records, [&](int done) { return (asked = done) < 2; }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(db.rows(favourites), QStringList { "Riley Irish F" }) << "a cancelled import marks nothing";

    const std::optional<ImportCounts> counts
        = markImportedFavourites(db.connection(), records, [](int) { return true; });
    ASSERT_TRUE(counts);
    // Riley without a gender names both lists, one of which is a favourite already.
    EXPECT_EQ(std::make_pair(counts->added, counts->already), std::make_pair(2, 1));
    EXPECT_EQ(counts->notFound, QStringList { "Zoë (Greek)" });
    ASSERT_EQ(counts->marks.size(), 2u);
    EXPECT_EQ(counts->marks[1].sql, "update namabayi set fav=not fav where nama='O''Neil' and asal='Irish' and jk='M'");
    EXPECT_EQ(db.rows(favourites), QStringList({ "Ava Latin F", "Riley Irish F", "O'Neil Irish M" }));
    EXPECT_EQ(readFavourites(db.connection()).front(), (NameRow { "Ava", "bird", "Latin", Gender::Female, true }));
}
