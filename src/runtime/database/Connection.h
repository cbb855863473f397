// An ADO-like connection to one database file, over SQLite.
// Statements are sent as the program composed them, one at a time; each runs to its end and commits before
// execute() returns, so a change is on disk even while recordsets of earlier queries are still being read.
// A connection is used by one thread only: SQLite's per-connection mutex is left out.
#pragma once

#include "runtime/database/Recordset.h"

#include <QString>

#include <memory>

struct sqlite3;

namespace tervala::rt {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file named by "provider=Microsoft.jet.oledb.4.0;data source=<folder>\<file>;", a host folder and
    // a file name joined with "\" (or a host path without "\"). Throws DbError when the provider is unknown, the
    // file is missing or not a database, or another process holds a lock on it for more than ten seconds (a lock
    // met later by execute() is waited for as long). Opening an open connection closes it first.
    void open(const QString& connectionString, const QString& userName = {}, const QString& password = {});
    // Closing a closed connection does nothing. Recordsets already returned stay readable.
    void close();

    // Runs one statement. A query returns its rows; any other statement returns an empty recordset.
    // Throws DbError when the connection is closed or the engine refuses the text (also for a second statement
    // after ";"). The statement is traced (SqlTrace) before it runs, as written, without the values.
    // values are bound to the statement's "?" parameters in order: text, integers, reals, or null for a null
    // QVariant; DbError when their count differs from the parameters' or a value has another type.
    Recordset execute(const QString& statement, const QVariantList& values = {});
    // Runs a statement of the program's own upkeep of the file (an index made or dropped), which is none of the
    // statements of the program's actions and so is not traced. Otherwise as execute().
    Recordset executeUntraced(const QString& statement);

private:
    Recordset run(const QString& statement, const QVariantList& values);

    struct Handle;
    std::unique_ptr<Handle> m_handle;
};

} // namespace tervala::rt
