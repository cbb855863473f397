// Connection strings of the two files, opened from program folders with awkward names.
#include "namedb/ConnectionString.h"

#include "TestSupport.h"
#include "runtime/Connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tervala::jetConnectionString;

TEST(ConnectionString, NamesTheFileInTheProgramFolder)
{
    EXPECT_EQ(jetConnectionString(QStringLiteral("/opt/tervala"), tervala::NameDatabaseFile),
              QStringLiteral("provider=Microsoft.jet.oledb.4.0;data source=/opt/tervala\\ter.va;"));
    EXPECT_EQ(jetConnectionString(QStringLiteral("C:\\Tervala"), tervala::StagingDatabaseFile),
              QStringLiteral("provider=Microsoft.jet.oledb.4.0;data source=C:\\Tervala\\db17000.mdb;"));
}

TEST(ConnectionString, OpensFromFoldersWithBlanksSemicolonsAndNonAscii)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folders[] = {
        QStringLiteral("Tervala Ünï;test"),
        QStringLiteral("a=b; provider=x;"),
    };
    for (const QString& name : folders) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        const QString programFolder = dir.filePath(name);
        // SQLite takes a file of length zero for an empty database.
        QFile empty(programFolder + QLatin1Char('/') + tervala::NameDatabaseFile);
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        empty.close();

        tervala::rt::Connection connection;
        connection.open(jetConnectionString(programFolder, tervala::NameDatabaseFile));
        EXPECT_EQ(connection.fileName(), tervala::NameDatabaseFile);
        connection.execute(QStringLiteral("create table t (a)"));
        EXPECT_GT(QFileInfo(empty).size(), 0);
    }
}
