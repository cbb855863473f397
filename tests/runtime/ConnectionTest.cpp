// Connection and Recordset on a fresh names database: opening, one statement per call, rows fetched when the
// query runs, changes on disk when execute() returns; indexes in the program's collation only while in use.
#include "TestDatabase.h"
#include "TestSupport.h"
#include "runtime/DbError.h"
#include "runtime/TransientIndex.h"

#include <QFile>

#include <gtest/gtest.h>

using tervala::rt::Connection;
using tervala::rt::DbError;
using tervala::rt::Recordset;
using tervala::rt::TransientIndex;
using tervala::rt::TransientIndexPrefix;

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override { m_db.insert("namabayi", "nama", { { "Abel" }, { "Bob" } }); }

    TestDatabase m_db { "ter.va", "ter.va.sql" };
};

TEST_F(ConnectionTest, RecordsetsStayReadableAcrossAnUpdate)
{
    Recordset first = m_db.execute("select nama, fav from namabayi order by nama");
    EXPECT_EQ(first.field("nama").toString(), QString("Abel"));
    m_db.execute("update namabayi set fav = true");
    EXPECT_EQ(m_db.execute("select fav from namabayi").field(0).toInt(), 1);

    // The first recordset keeps the rows as they were when its query ran.
    first.moveNext();
    EXPECT_EQ(first.field("nama").toString(), QString("Bob"));
    EXPECT_EQ(first.field("fav").toInt(), 0);
}

TEST_F(ConnectionTest, ChangeIsOnDiskWhileARecordsetIsOpen)
{
    Recordset open = m_db.execute("select nama from namabayi");
    m_db.execute("update namabayi set fav = true where nama = 'Bob'");
    // Another connection has its own engine handle: it sees only what is committed to the file.
    Connection other;
    other.open(TestDatabase::connectionString(m_db.path()));
    EXPECT_EQ(other.execute("select nama from namabayi where fav = true").field(0).toString(), QString("Bob"));
    EXPECT_FALSE(open.eof());
}

TEST_F(ConnectionTest, SecondStatementAfterSemicolonIsRefused)
{
    const QString twoStatements = "update namabayi set fav = true; delete from namabayi";
    try {
        m_db.execute(twoStatements);
        FAIL() << "a second statement after ; was run";
    } catch (const DbError& error) {
        EXPECT_EQ(error.statement(), twoStatements);
    }
    EXPECT_EQ(m_db.rows("select fav from namabayi"), QStringList({ "0", "0" }));
    EXPECT_EQ(m_db.rows("select count(*) from namabayi; \n "), QStringList { "2" });
}

TEST_F(ConnectionTest, OpenFailsForBadTargets)
{
    const QString garbage = m_db.folder() + "/garbage.mdb";
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const std::pair<const char*, QString> cases[] = {
        { "missing file", TestDatabase::connectionString(m_db.folder() + "/missing.mdb") },
        { "not a database", TestDatabase::connectionString(garbage) },
        { "unknown provider", "provider=Microsoft.ACE.OLEDB.12.0;data source=" + m_db.path() + ';' },
    };
    for (const auto& [what, connectionString] : cases) {
        SCOPED_TRACE(what);
        Connection connection;
        EXPECT_THROW(connection.open(connectionString), DbError);
        EXPECT_THROW(connection.execute("select 1"), DbError);
    }
}

TEST_F(ConnectionTest, ValuesAreBoundToParametersInOrder)
{
    const Recordset row = m_db.execute("select ?, ?, ?, typeof(?), ? || 'x'", { "O'Neil", 7, 2.5, QVariant(), "Zoë" });
    EXPECT_EQ(row.field(0).toString(), QString("O'Neil"));
    EXPECT_EQ(row.field(1).toLongLong(), 7);
    EXPECT_EQ(row.field(2).toDouble(), 2.5);
    EXPECT_EQ(row.field(3).toString(), QString("null"));
    EXPECT_EQ(row.field(4).toString(), QString("Zoëx"));
    EXPECT_THROW(m_db.execute("select ?, ?", { 1 }), DbError);
    EXPECT_THROW(m_db.execute("select ?", { QStringList { "a" } }), DbError);
}

// An index in the program's collation is unsound to plain SQLite once non-ASCII names are stored: it may exist
// only while its owner lives, it serves a lookup that ignores case beyond ASCII, and an open removes one that a
// program which died left behind.
TEST_F(ConnectionTest, TransientIndexServesLookupsAndNeverOutlivesItsUse)
{
    m_db.insert("namabayi", "nama,asal", { { "Ángel", "Spanish" }, { "Zoë", "Greek" }, { "Émile", "French" } });
    const QString integrityCheck = "pragma integrity_check";
    const QString lookup = "select nama from namabayi where nama='ZOË' and asal='greek'";
    const QStringList sound = { "ok" };
    {
        const TransientIndex index(m_db.connection(), "names", "namabayi", "nama, asal");
        EXPECT_NE(TestDatabase::plainSqlite(m_db.path(), integrityCheck), sound);
        EXPECT_EQ(m_db.rows(lookup), QStringList { "Zoë" });
        EXPECT_TRUE(m_db.rows("explain query plan " + lookup, 4).join(' ').contains(TransientIndexPrefix + "names"));
    }
    EXPECT_EQ(TestDatabase::plainSqlite(m_db.path(), integrityCheck), sound);

    m_db.execute("create index " + TransientIndexPrefix + "left on namabayi(nama)");
    ASSERT_NE(TestDatabase::plainSqlite(m_db.path(), integrityCheck), sound);
    Connection next;
    next.open(TestDatabase::connectionString(m_db.path()));
    EXPECT_EQ(TestDatabase::plainSqlite(m_db.path(), integrityCheck), sound);
    EXPECT_EQ(
        TestDatabase::plainSqlite(m_db.path(),
                                  "select name from sqlite_master where name like '" + TransientIndexPrefix + "%'"),
        QStringList());
}
