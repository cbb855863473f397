// The README's command that copies the builder's names into the name database, run as the sqlite3 tool runs it
// (plain SQLite, none of the program's functions): it adds only name-and-origin pairs ter.va lacks, so a second
// run adds nothing, and it leaves the rows already there, favourites included, as they were.
#include "TestDatabase.h"

#include <QRegularExpression>

#include <sqlite3.h>

TEST(ReadmeCopy, AddsOnlyMissingNameAndOriginPairsAndKeepsFavourites)
{
    QFile readme(QStringLiteral(TERVALA_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QRegularExpression command(QStringLiteral(R"re(^\s*sqlite3 build/ter\.va "(attach [^"]*)"\s*$)re"),
                                     QRegularExpression::MultilineOption);
    QString statements = command.match(QString::fromUtf8(readme.readAll())).captured(1);
    ASSERT_FALSE(statements.isEmpty()) << "README.md has no line: sqlite3 build/ter.va \"attach ...\"";

    TestDatabase staging("db17000.mdb", "db17000.sql");
    staging.insert("namabayi",
                   "nama,arti,asal,jk",
                   { { "Adam", "man of the earth", "Hebrew", "M" },
                     { "ADAM", "another meaning", "hebrew", "M" },
                     { "Adam", "red", "Arabic", "M" },
                     { "Noor", "light", QString(), "F" },
                     { "Zoe", "life", "Greek", "F" } });
    statements.replace(QStringLiteral("'build/db17000.mdb'"), "'" + staging.path() + "'");
    TestDatabase names("ter.va", "ter.va.sql");
    names.execute(
        "insert into namabayi(nama, arti, asal, jk, fav) values ('Adam', 'man of the earth', 'Hebrew', 'M', 1)");
    names.execute("insert into namabayi(nama, arti, asal, jk, fav) values ('Zoe', 'life', 'Greek', 'F', 0)");
    const QStringList expected
        = { "Adam|Hebrew|M|1|man of the earth", "Zoe|Greek|F|0|life", "Adam|Arabic|M|0|red", "Noor|NULL|F|0|light" };
    for (int run = 1; run <= 2; ++run) {
        sqlite3* db = nullptr;
        sqlite3_open(names.path().toUtf8().constData(), &db);
        EXPECT_EQ(sqlite3_exec(db, statements.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
        EXPECT_EQ(TestDatabase::plainSqlite(names.path(),
                                            "select nama || '|' || ifnull(asal, 'NULL') || '|' || jk || '|' || fav "
                                            "|| '|' || arti from namabayi order by rowid"),
                  expected)
            << "run " << run;
    }
}
