// The quoting rule, alone and as the engine reads it back.
#include "namedb/Quoting.h"

#include "TestDatabase.h"

TEST(Quoting, DoublesApostrophesOnlyAndTheEngineReadsTheTextBack)
{
    TestDatabase db("quoting.mdb", "ter.va.sql");
    const std::pair<QString, QString> cases[] = {
        { "O'Neil", "O''Neil" },
        { "x' or '1'='1", "x'' or ''1''=''1" },
        { "Zoë \"ZOË\" \\ % _ [a] ;", "Zoë \"ZOË\" \\ % _ [a] ;" },
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(tervala::quoteSql(text), expected);
        EXPECT_EQ(db.execute("select '" + tervala::quoteSql(text) + "'").field(0).toString(), text);
    }
}
