// The connection string of a file in the program folder, opened from folders with awkward names: a user's home
// may hold blanks, ";", "=" or "\", and the data source must still name the file.
#include "namedb/ConnectionString.h"

#include "TestSupport.h"
#include "runtime/database/Connection.h"

#include <QTemporaryDir>

using tervala::jetConnectionString;
using tervala::NameDatabaseFile;

TEST(ConnectionString, OpensFromFoldersWithBlanksSemicolonsAndNonAscii)
{
    QTemporaryDir dir;
    for (const QString name : { "Tervala Ünï;test", "a=b; provider=x;", "back\\slash" }) {
        SCOPED_TRACE(name.toStdString());
        const QString folder = dir.filePath(name);
        const QString file = folder + '/' + NameDatabaseFile;
        // SQLite takes a file of length zero for an empty database.
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
        tervala::rt::Connection connection;
        connection.open(jetConnectionString(folder, NameDatabaseFile));
        connection.execute("create table t (a)");
        EXPECT_GT(QFileInfo(file).size(), 0);
    }
}
