// The trace line format and appending to the trace file.
#include "runtime/SqlTrace.h"

#include "TestSupport.h"
#include "runtime/DbError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tervala::rt::appendSqlTrace;
using tervala::rt::DbError;
using tervala::rt::sqlTraceLine;

TEST(SqlTrace, LineEscapesBreaksTabsAndBackslashes)
{
    const struct {
        QString statement;
        QByteArray expected;
    } cases[] = {
        { QStringLiteral("select * from namabayi"), "ter.va\tselect * from namabayi\n" },
        { QStringLiteral("a\\b\nc\r\nd\te"), "ter.va\ta\\\\b\\nc\\r\\nd\\te\n" },
        { QStringLiteral("where nama = 'Zoë'"), "ter.va\twhere nama = 'Zo\xc3\xab'\n" },
        { QString(), "ter.va\t\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(sqlTraceLine(QStringLiteral("ter.va"), c.statement), c.expected);
    }
}

TEST(SqlTrace, AppendsToWhatIsThere)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier\n");
    file.close();

    appendSqlTrace(path, QStringLiteral("ter.va"), QStringLiteral("select 1"));
    appendSqlTrace(path, QStringLiteral("db17000.mdb"), QStringLiteral("select\n2"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("earlier\nter.va\tselect 1\ndb17000.mdb\tselect\\n2\n"));

    EXPECT_THROW(appendSqlTrace(dir.filePath(QStringLiteral("no/such/folder/trace.txt")),
                                QStringLiteral("ter.va"),
                                QStringLiteral("select 1")),
                 DbError);
}
