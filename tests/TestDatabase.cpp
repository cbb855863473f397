#include "TestDatabase.h"

#include "namedb/ConnectionString.h"
#include "namedb/NewDatabase.h"

#include <sqlite3.h>

TestDatabase::TestDatabase(const QString& fileName, const QString& schemaFileName)
    : m_path(m_dir.filePath(fileName))
{
    tervala::createDatabase(m_path, QStringLiteral(TERVALA_DATA_DIR "/") + schemaFileName);
    m_connection.open(connectionString(m_path));
}

QString TestDatabase::connectionString(const QString& path)
{
    const QFileInfo file(path);
    return tervala::jetConnectionString(file.path(), file.fileName());
}

QStringList TestDatabase::plainSqlite(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    QStringList rows;
    sqlite3_stmt* statement = nullptr;
    int step = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    if (step == SQLITE_OK) {
        while ((step = sqlite3_step(statement)) == SQLITE_ROW)
            rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    if (step != SQLITE_DONE)
        rows = QStringList { QString::fromUtf8(sqlite3_errmsg(db)) };
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

void TestDatabase::insert(const QString& table, const QString& columns, const QList<QStringList>& rows)
{
    for (const QStringList& row : rows) {
        QStringList values;
        for (const QString& value : row)
            values << (value.isNull() ? QStringLiteral("NULL") : "'" + QString(value).replace("'", "''") + "'");
        m_connection.execute("insert into " + table + "(" + columns + ") values(" + values.join(',') + ")");
    }
}

QStringList TestDatabase::rows(const QString& query, int fields)
{
    QStringList result;
    for (tervala::rt::Recordset rs = m_connection.execute(query); !rs.eof(); rs.moveNext()) {
        QStringList values;
        for (int i = 0; i < fields; ++i)
            values << (rs.field(i).isNull() ? QStringLiteral("NULL") : rs.field(i).toString());
        result << values.join('|');
    }
    return result;
}
