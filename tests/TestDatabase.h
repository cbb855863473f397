// A database made from one of the build's schema files, alone in a temporary folder, with a connection of the
// test's own: to fill it before the code under test runs and to read back what that code stored.
#pragma once

#include "TestSupport.h"
#include "runtime/database/Connection.h"

#include <QStringList>
#include <QTemporaryDir>

class TestDatabase {
public:
    // Creates <folder>/fileName from data/<schemaFileName>, one statement at a time, and keeps it open.
    TestDatabase(const QString& fileName, const QString& schemaFileName);

    static QString connectionString(const QString& path);
    // The first column of every row of sql run on the file at path through plain SQLite, as the sqlite3 tool
    // runs it: none of the program's functions, SQLite's own NOCASE, which folds ASCII letters only. An error
    // gives its message as the one row.
    static QStringList plainSqlite(const QString& path, const QString& sql);
    QStringList plain(const QString& sql) const { return plainSqlite(m_path, sql); }
    QString folder() const { return m_dir.path(); }
    QString path() const { return m_path; }
    tervala::rt::Connection& connection() { return m_connection; }
    tervala::rt::Recordset execute(const QString& statement, const QVariantList& values = {})
    {
        return m_connection.execute(statement, values);
    }
    // Inserts rows into table(columns); a null QString becomes NULL.
    void insert(const QString& table, const QString& columns, const QList<QStringList>& rows);
    // Every row of the query as its first `fields` fields joined by "|", nulls as "NULL".
    QStringList rows(const QString& query, int fields = 1);

private:
    QTemporaryDir m_dir;
    QString m_path;
    tervala::rt::Connection m_connection;
};
