// Fixture: a fresh, empty names database (data/ter.va.sql) in a temporary folder, opened by the connection
// under test. The schema is run through the connection itself, one statement at a time.
#pragma once

#include "TestDatabase.h"
#include "TestSupport.h"
#include "runtime/Connection.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class SchemaDatabase : public ::testing::Test {
protected:
    static QString connectionString(const QString& path)
    {
        return QStringLiteral("provider=Microsoft.jet.oledb.4.0;data source=") + path + QLatin1Char(';');
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("ter.va"));
        createDatabaseFromSchema(m_path, QStringLiteral("ter.va.sql"));
        m_connection.open(connectionString(m_path));
    }

    // Adds rows of (nama, arti); a null arti is stored as NULL.
    void insertNames(const QList<QPair<QString, QString>>& names)
    {
        for (const auto& [nama, arti] : names) {
            const QString artiSql
                = arti.isNull() ? QStringLiteral("null") : QLatin1Char('\'') + arti + QLatin1Char('\'');
            m_connection.execute(
                QStringLiteral("insert into namabayi (nama, arti, asal, jk) values ('%1', %2, 'Test', 'M')")
                    .arg(nama, artiSql));
        }
    }

    // The first column of every row of the query, nulls as "NULL".
    QStringList column(const QString& query)
    {
        QStringList values;
        for (tervala::rt::Recordset rows = m_connection.execute(query); !rows.eof(); rows.moveNext()) {
            const QVariant value = rows.field(0);
            values.append(value.isNull() ? QStringLiteral("NULL") : value.toString());
        }
        return values;
    }

    QTemporaryDir m_dir;
    QString m_path;
    tervala::rt::Connection m_connection;
};
