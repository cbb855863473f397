// A database file through the SQLite C API alone, without the program's layers: the floor that the benchmarks
// set the program against, and the bulk writer of generated data. It is the one file of bench/ that includes
// <sqlite3.h>. It opens a file as the program's connection does (no mutex, no memory statistics, the same page
// cache) but registers none of the program's dialect: NOCASE, LIKE and upper() are SQLite's own, so the floor
// runs only statements that plain SQLite accepts. Failures throw std::runtime_error.
#pragma once

#include "bench/SyntheticNames.h"

#include <QByteArray>
#include <QString>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace tervala::bench {

class RawDatabase {
public:
    // Opens the existing file at path.
    explicit RawDatabase(const QString& path);
    ~RawDatabase();

    // Runs a script of any number of statements (a schema, "begin", "commit").
    void executeScript(const QByteArray& sql);
    // Prepares one statement, steps it to its end reading every column of every row by its type, and finalizes
    // it, as the program's connection does, without its tracing or dialect. Returns the number of rows.
    qint64 stepAll(const QString& statement);
    // Inserts one row into namabayi with bound values, inside the caller's transaction.
    void insertName(const SyntheticName& row);

private:
    struct CloseDatabase {
        void operator()(sqlite3* db) const;
    };
    struct FinalizeStatement {
        void operator()(sqlite3_stmt* statement) const;
    };

    [[noreturn]] void fail(const QString& statement) const;

    QString m_path;
    std::unique_ptr<sqlite3, CloseDatabase> m_db;
    std::unique_ptr<sqlite3_stmt, FinalizeStatement> m_insert; // prepared on first use
};

} // namespace tervala::bench
