// The quoting rule, alone and as the engine reads it back.
#include "namedb/Quoting.h"

#include "TestSupport.h"
#include "runtime/Connection.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tervala::quoteSql;

namespace {

const struct {
    QString text;
    QString expected;
} Cases[] = {
    { QStringLiteral("O'Neil"), QStringLiteral("O''Neil") },
    { QString(), QString() },
    { QStringLiteral("''"), QStringLiteral("''''") },
    { QStringLiteral("'"), QStringLiteral("''") },
    { QStringLiteral("x' or '1'='1"), QStringLiteral("x'' or ''1''=''1") },
    { QStringLiteral("Zoë \"ZOË\" \\ % _ [a] ;"), QStringLiteral("Zoë \"ZOË\" \\ % _ [a] ;") },
};

} // namespace

TEST(Quoting, DoublesApostrophesOnly)
{
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(quoteSql(c.text), c.expected);
    }
}

TEST(Quoting, EngineReadsTheTextBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // SQLite takes a file of length zero for an empty database.
    const QString path = dir.filePath(QStringLiteral("quoting.mdb"));
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    tervala::rt::Connection connection;
    connection.open(QStringLiteral("provider=Microsoft.jet.oledb.4.0;data source=") + path + ';');
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.text.toStdString());
        tervala::rt::Recordset row = connection.execute(QStringLiteral("select '%1'").arg(quoteSql(c.text)));
        EXPECT_EQ(row.field(0).toString(), c.text);
    }
}
