// A builder window on a fresh staging database in a temporary program folder, with errors recorded instead of
// ending the program, and helpers to place pages under the folder's drive_c and to read and fill tables.
#pragma once

#include "builder/Form2.h"
#include "runtime/Connection.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class BuilderFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes to a file below the program folder, making its folders.
    void writeFile(const QString& relativePath, const QByteArray& bytes);
    void execute(const QString& statement);
    // Inserts rows of nama, arti, asal, jk; a null QString becomes NULL.
    void insertRows(const QString& table, const QList<QStringList>& rows);
    // nama, arti, asal, jk of every row, in insertion order; NULL reads as empty.
    QList<QStringList> rows(const QString& table);
    // Clicks the button; its stage runs to its end inside the click.
    void click(QWidget* button);

    QTemporaryDir m_programFolder;
    std::unique_ptr<tervala::Form2> m_form;
    QStringList m_errors; // "<number>: <message>" of every error a stage reported
    tervala::rt::Connection m_check;
};
