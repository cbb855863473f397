// One SQLite database file, as the build tool fills it. Errors throw std::runtime_error with the engine's message.
#pragma once

#include "tools/makedb/NamesFile.h"

#include <QString>

#include <memory>
#include <vector>

struct sqlite3;

namespace tervala::makedb {

class DatabaseFile {
public:
    // A new file at path made by the schema script; fails when the file exists.
    static DatabaseFile create(const QString& path, const QString& schemaPath);
    // The existing file at path; fails when it is missing or not a database.
    static DatabaseFile openExisting(const QString& path);

    // Inserts, in one transaction, each row whose nama, asal and jk, compared exactly, table namabayi does not
    // hold yet; rows already there, favourites included, are left alone. Returns how many rows were inserted.
    int addMissingNames(const std::vector<NameRow>& rows);

    // Stamps the file with the mark of the names file it was filled from (the header's user_version, a digest of
    // the file), which an installed program compares with a user's copy to add the names of a newer sample once.
    void stampSampleMark(const QString& namesPath);

private:
    struct CloseDatabase {
        void operator()(sqlite3* db) const;
    };

    DatabaseFile(const QString& path, int openFlags);
    void execute(const char* sql);
    [[noreturn]] void fail() const;

    QString m_path;
    std::unique_ptr<sqlite3, CloseDatabase> m_db;
};

} // namespace tervala::makedb
