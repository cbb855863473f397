// A builder window on a fresh staging database in a temporary program folder, with errors recorded instead of
// ending the program, and helpers to place pages under the folder's drive_c and to read and fill tables.
#pragma once

#include "TestDatabase.h"
#include "TestSupport.h"
#include "builder/Form2.h"
#include "builder/RowInsert.h"
#include "namedb/ConnectionString.h"
#include "runtime/CommandButton.h"
#include "runtime/UnhandledError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// "name|meaning|origin|gender"
inline QString joined(const tervala::StagingRow& row)
{
    return QStringList { row.name, row.meaning, row.origin, row.gender }.join('|');
}

class BuilderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        tervala::rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
        m_form = std::make_unique<tervala::Form2>(m_db.folder());
        m_form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void TearDown() override
    {
        m_form.reset();
        tervala::rt::setUnhandledErrorHandler({});
    }

    // Writes bytes to a file below the program folder, making its folders.
    void writeFile(const QString& relativePath, const QByteArray& bytes)
    {
        const QString path = QDir(m_db.folder()).filePath(relativePath);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void insertRows(const QString& table, const QList<QStringList>& rows)
    {
        m_db.insert(table, "nama,arti,asal,jk", rows);
    }

    // "nama|arti|asal|jk" of every row, in insertion order.
    QStringList rows(const QString& table)
    {
        return m_db.rows("select nama,arti,asal,jk from " + table + " order by rowid", 4);
    }

    // Clicks the button; its stage runs to its end inside the click.
    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    TestDatabase m_db { tervala::StagingDatabaseFile, "db17000.sql" };
    std::unique_ptr<tervala::Form2> m_form;
    QStringList m_errors; // "<number>: <message>" of every error a stage reported
};
