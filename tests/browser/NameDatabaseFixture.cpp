#include "NameDatabaseFixture.h"

#include "TestDatabase.h"
#include "namedb/ConnectionString.h"
#include "namedb/Quoting.h"

#include <QStringList>

NameDatabaseFolder::NameDatabaseFolder(const std::vector<NameRow>& rows)
{
    createDatabaseFromSchema(databasePath(), QStringLiteral("ter.va.sql"));
    tervala::rt::Connection connection;
    connection.open(tervala::jetConnectionString(path(), tervala::NameDatabaseFile));
    for (const NameRow& row : rows) {
        connection.execute("insert into namabayi(nama,arti,asal,jk,fav) values('" + tervala::quoteSql(row.nama) + "','"
                           + tervala::quoteSql(row.arti) + "','" + tervala::quoteSql(row.asal) + "','" + row.jk + "',"
                           + (row.fav ? "1" : "0") + ")");
    }
}

QString NameDatabaseFolder::column(const QString& sql) const
{
    tervala::rt::Connection connection;
    connection.open(tervala::jetConnectionString(path(), tervala::NameDatabaseFile));
    QStringList values;
    for (tervala::rt::Recordset rows = connection.execute(sql); !rows.eof(); rows.moveNext())
        values << rows.field(0).toString();
    return values.join('|');
}
