// A new database file made by one of the schema scripts in data/ (ter.va.sql, db17000.sql): the one way the build
// tool, the tests and the benchmarks make a database, so that all of them get the file the package ships.
#pragma once

#include <QString>

namespace tervala {

// Makes the database file at path, which must not exist, and runs the SQL script at schemaPath on it. Throws
// rt::FileError naming the script when it cannot be read, and naming path when path exists or the engine
// refuses the script (a file it left is removed).
void createDatabase(const QString& path, const QString& schemaPath);

} // namespace tervala
