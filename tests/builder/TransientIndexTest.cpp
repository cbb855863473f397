// The plain sqlite3 tool finds an index in the program's collation unsound once non-ASCII names are stored: the
// merge's index may exist only while its owner lives, it serves a lookup that ignores case beyond ASCII, and a
// stage that opens the staging database removes one that a program which died left behind.
#include "builder/TransientIndex.h"

#include "TestDatabase.h"
#include "builder/StageRun.h"

using namespace tervala;

TEST(TransientIndex, ServesLookupsAndNeverOutlivesItsUse)
{
    TestDatabase db("db17000.mdb", "db17000.sql");
    const QList<QStringList> rows = {
        { "Zoë", "life" },        { "ZOË", QString() },    { "Zoe", "Life" },
        { "Ángel", "messenger" }, { "Angela", QString() }, { "abel", "" },
    };
    db.insert("namabayi", "nama,arti", rows);
    const QString lookup = "select nama from namabayi where nama='zoë' and arti='LIFE'";
    {
        const TransientIndex index(db.connection(), "names", "namabayi", "nama, arti");
        EXPECT_NE(db.plain("pragma integrity_check"), QStringList { "ok" });
        EXPECT_EQ(db.rows(lookup), QStringList { "Zoë" });
        EXPECT_TRUE(db.rows("explain query plan " + lookup, 4).join(' ').contains(TransientIndexPrefix + "names"));
    }
    EXPECT_EQ(db.plain("pragma integrity_check"), QStringList { "ok" });

    db.execute("create index " + TransientIndexPrefix + "left on namabayi(nama)");
    ASSERT_NE(db.plain("pragma integrity_check"), QStringList { "ok" });
    rt::Connection builderConnection;
    const StageRun run(
        builderConnection,
        db.folder(),
        [](const QString&) {},
        [] { return false; });
    EXPECT_EQ(db.plain("pragma integrity_check"), QStringList { "ok" });
    EXPECT_EQ(db.plain("select count(*) from sqlite_master where name like '" + TransientIndexPrefix + "%'"),
              QStringList { "0" });
}
