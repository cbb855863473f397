// A builder window on a fresh staging database in a temporary program folder, its errors recorded instead of
// ending the program, with helpers to place pages below the folder and to fill and read tables.
#pragma once

#include "TestDatabase.h"
#include "builder/Form2.h"
#include "namedb/ConnectionString.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/UnhandledError.h"

#include <QTest>

#include <filesystem>
#include <fstream>

struct Builder {
    Builder()
    {
        tervala::rt::setUnhandledErrorHandler([this](const QString& n, const QString& m) { errors << n + ": " + m; });
        form.show();
    }
    // QTemporaryDir cannot see a name that is not valid UTF-8 to remove it: the pages go first, by their bytes.
    ~Builder()
    {
        std::filesystem::remove_all(host("drive_c"));
        tervala::rt::setUnhandledErrorHandler({});
    }

    std::filesystem::path host(const QByteArray& path) const
    {
        return (QFile::encodeName(db.folder()) + '/' + path).toStdString();
    }

    // Makes path (in the host's bytes, below the program folder, folders made as needed): a file of content,
    // or for "->target" a symbolic link.
    void put(const QByteArray& path, const QByteArray& content)
    {
        const std::filesystem::path entry = host(path);
        std::filesystem::create_directories(entry.parent_path());
        if (content.startsWith("->"))
            std::filesystem::create_symlink(content.mid(2).toStdString(), entry);
        else
            std::ofstream(entry, std::ios::binary).write(content.constData(), content.size());
    }

    void fill(const QString& table, const QList<QStringList>& rows) { db.insert(table, "nama,arti,asal,jk", rows); }

    // "nama|arti|asal|jk" of every row, in insertion order.
    QStringList rows(const QString& table)
    {
        return db.rows("select nama,arti,asal,jk from " + table + " order by rowid", 4);
    }

    // Clicks Command1 to Command4; the stage runs to its end inside the click.
    void click(int command)
    {
        tervala::rt::CommandButton* const buttons[] = { form.Command1, form.Command2, form.Command3, form.Command4 };
        QTest::mouseClick(buttons[command - 1], Qt::LeftButton);
    }

    TestDatabase db { tervala::StagingDatabaseFile, "db17000.sql" };
    tervala::Form2 form { db.folder() };
    QStringList errors; // "<number>: <message>" of every error a stage reported
};
