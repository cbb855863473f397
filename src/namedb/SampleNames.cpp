// Plain SQLite, outside the program's traced connection: carrying new sample names in is upkeep of the file
// before the program opens it, not one of its actions. The column collation is SQLite's own NOCASE here, which
// the exact comparisons below override.
#include "namedb/SampleNames.h"

#include "runtime/hostfiles/FileError.h"

#include <sqlite3.h>

#include <memory>

namespace tervala {

namespace {

// How long a start waits for another program that is writing the user's file before it leaves the upgrade to a
// later start.
constexpr int BusyWaitMs = 5000;

class Database {
public:
    Database(const QString& path, int flags)
        : m_path(path)
    {
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
        m_db.reset(db);
        if (rc != SQLITE_OK)
            fail();
        sqlite3_busy_timeout(db, BusyWaitMs);
    }

    void execute(const QByteArray& sql)
    {
        if (sqlite3_exec(m_db.get(), sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail();
    }

    // Runs sql with its text parameters bound in order; returns the first column of the first row, 0 without.
    int integer(const char* sql, std::initializer_list<QByteArray> parameters = {})
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr) != SQLITE_OK)
            fail();
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
        int index = 0;
        for (const QByteArray& parameter : parameters)
            sqlite3_bind_text(raw, ++index, parameter.constData(), int(parameter.size()), SQLITE_TRANSIENT);
        const int rc = sqlite3_step(raw);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            fail();
        return rc == SQLITE_ROW ? sqlite3_column_int(raw, 0) : 0;
    }

    int changes() const { return sqlite3_changes(m_db.get()); }

private:
    [[noreturn]] void fail() const { throw rt::FileError(m_path, QString::fromUtf8(sqlite3_errmsg(m_db.get()))); }

    QString m_path;
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> m_db { nullptr, sqlite3_close_v2 };
};

} // namespace

int sampleMarkOf(const QString& path)
{
    return Database(path, SQLITE_OPEN_READONLY).integer("pragma user_version");
}

int addNewSampleNames(const QString& userDatabase, const QString& packagedDatabase)
{
    Database user(userDatabase, SQLITE_OPEN_READWRITE);
    user.integer("attach database ?1 as sample", { packagedDatabase.toUtf8() });
    // The write lock comes first, so two programs starting at once cannot both add the same names.
    user.execute("begin immediate");
    const int mark = user.integer("pragma sample.user_version");
    if (user.integer("pragma main.user_version") == mark) {
        user.execute("rollback");
        return 0;
    }
    user.execute("insert into main.namabayi (nama, arti, asal, jk) "
                 "select nama, arti, asal, jk from sample.namabayi as n where not exists "
                 "(select 1 from main.namabayi as t "
                 "where t.nama = n.nama collate binary and t.asal is n.asal collate binary "
                 "and t.jk is n.jk collate binary)");
    const int added = user.changes();
    user.execute("pragma main.user_version = " + QByteArray::number(mark));
    user.execute("commit");
    return added;
}

} // namespace tervala
