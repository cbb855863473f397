// Connection and Recordset on a fresh names database: opening, one statement per call, rows fetched at once,
// changes on disk when execute() returns.
#include "SchemaDatabase.h"
#include "runtime/DbError.h"

using tervala::rt::Connection;
using tervala::rt::DbError;
using tervala::rt::Recordset;

using ConnectionTest = SchemaDatabase;

TEST_F(ConnectionTest, RowWithoutFavIsNoFavourite)
{
    insertNames({ { QStringLiteral("Abel"), QString() } });
    Recordset rows = m_connection.execute(QStringLiteral("select nama, arti, fav from namabayi"));
    ASSERT_FALSE(rows.eof());
    EXPECT_EQ(rows.field(QStringLiteral("NAMA")), QVariant(QStringLiteral("Abel")));
    EXPECT_TRUE(rows.field(QStringLiteral("arti")).isNull());
    EXPECT_FALSE(rows.field(QStringLiteral("fav")).toBool());
    EXPECT_EQ(rows.field(0), QVariant(QStringLiteral("Abel")));
    EXPECT_THROW(rows.field(QStringLiteral("asal")), DbError);
    EXPECT_THROW(rows.field(3), DbError);
    rows.moveNext();
    EXPECT_TRUE(rows.eof());
    EXPECT_THROW(rows.field(0), DbError);
    EXPECT_THROW(rows.moveNext(), DbError);
}

TEST_F(ConnectionTest, NotFavFlipsAndTrueSelects)
{
    insertNames({ { QStringLiteral("Abel"), QString() }, { QStringLiteral("Bob"), QString() } });
    const QString flip = QStringLiteral("update namabayi set fav = not fav where nama = 'Abel'");
    const QString favourites = QStringLiteral("select nama from namabayi where fav = true");
    m_connection.execute(flip);
    EXPECT_EQ(column(favourites), QStringList { QStringLiteral("Abel") });
    m_connection.execute(flip);
    EXPECT_EQ(column(favourites), QStringList());
}

TEST_F(ConnectionTest, RecordsetsStayReadableAcrossStatements)
{
    insertNames({ { QStringLiteral("Abel"), QString() }, { QStringLiteral("Bob"), QString() } });
    Recordset first = m_connection.execute(QStringLiteral("select nama, fav from namabayi order by nama"));
    EXPECT_EQ(first.field(QStringLiteral("nama")).toString(), QStringLiteral("Abel"));

    m_connection.execute(QStringLiteral("update namabayi set fav = true"));
    Recordset second = m_connection.execute(QStringLiteral("select fav from namabayi"));
    EXPECT_TRUE(second.field(0).toBool());

    // The first recordset keeps the rows as they were when its query ran.
    first.moveNext();
    EXPECT_EQ(first.field(QStringLiteral("nama")).toString(), QStringLiteral("Bob"));
    EXPECT_FALSE(first.field(QStringLiteral("fav")).toBool());
}

TEST_F(ConnectionTest, ChangeIsOnDiskWhileOlderRecordsetIsOpen)
{
    insertNames({ { QStringLiteral("Abel"), QString() } });
    Recordset open = m_connection.execute(QStringLiteral("select nama from namabayi"));
    m_connection.execute(QStringLiteral("update namabayi set fav = true"));

    // Another connection has its own engine handle: it sees only what is committed to the file.
    Connection other;
    other.open(connectionString(m_path));
    Recordset seen = other.execute(QStringLiteral("select fav from namabayi"));
    EXPECT_TRUE(seen.field(0).toBool());
    EXPECT_FALSE(open.eof());
}

TEST_F(ConnectionTest, OneStatementPerCall)
{
    insertNames({ { QStringLiteral("Abel"), QString() } });
    const QString twoStatements = QStringLiteral("update namabayi set fav = true; delete from namabayi");
    try {
        m_connection.execute(twoStatements);
        FAIL() << "a second statement after ; was run";
    } catch (const DbError& error) {
        EXPECT_EQ(error.statement(), twoStatements);
    }
    EXPECT_EQ(column(QStringLiteral("select fav from namabayi")), QStringList { QStringLiteral("0") });
    EXPECT_EQ(column(QStringLiteral("select count(*) from namabayi; \n ")), QStringList { QStringLiteral("1") });
    EXPECT_THROW(m_connection.execute(QStringLiteral("  ")), DbError);
}

TEST_F(ConnectionTest, EngineErrorKeepsStatementAsComposed)
{
    const QString statement = QStringLiteral("select left(nama, 1) from nosuchtable");
    try {
        m_connection.execute(statement);
        FAIL() << "no error for a missing table";
    } catch (const DbError& error) {
        EXPECT_EQ(error.code(), 1); // SQLITE_ERROR
        EXPECT_EQ(error.statement(), statement);
        EXPECT_TRUE(error.message().contains(QStringLiteral("nosuchtable"))) << error.what();
    }
}

TEST_F(ConnectionTest, OpenFailsForBadTargets)
{
    const QString garbage = m_dir.filePath(QStringLiteral("garbage.mdb"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();

    const struct {
        const char* what;
        QString connectionString;
    } cases[] = {
        { "missing file", connectionString(m_dir.filePath(QStringLiteral("missing.mdb"))) },
        { "not a database", connectionString(garbage) },
        { "unknown provider", QStringLiteral("provider=Microsoft.ACE.OLEDB.12.0;data source=") + m_path + ';' },
        { "no provider", QStringLiteral("data source=") + m_path + ';' },
        { "no data source", QStringLiteral("provider=Microsoft.jet.oledb.4.0;") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Connection connection;
        EXPECT_THROW(connection.open(c.connectionString), DbError);
        EXPECT_FALSE(connection.isOpen());
        EXPECT_THROW(connection.execute(QStringLiteral("select 1")), DbError);
    }
}

TEST_F(ConnectionTest, OpenFailsWhileAnotherConnectionHoldsTheFile)
{
    m_connection.execute(QStringLiteral("begin exclusive"));
    Connection other;
    EXPECT_THROW(other.open(connectionString(m_path)), DbError);
    m_connection.execute(QStringLiteral("commit"));
    other.open(connectionString(m_path));
    EXPECT_TRUE(other.isOpen());
}

TEST_F(ConnectionTest, ReopenSwitchesFiles)
{
    const QString otherPath = m_dir.filePath(QStringLiteral("db17000.mdb"));
    QFile empty(otherPath);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    Recordset before = m_connection.execute(QStringLiteral("select count(*) from namabayi"));
    m_connection.open(QStringLiteral("PROVIDER=microsoft.JET.oledb.4.0;Data Source=") + otherPath + ';');
    EXPECT_EQ(m_connection.fileName(), QStringLiteral("db17000.mdb"));
    EXPECT_THROW(m_connection.execute(QStringLiteral("select * from namabayi")), DbError);
    EXPECT_EQ(before.field(0).toLongLong(), 0);

    m_connection.close();
    m_connection.close();
    EXPECT_FALSE(m_connection.isOpen());
    EXPECT_EQ(m_connection.fileName(), QString());
}
