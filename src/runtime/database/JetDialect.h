// The parts of Jet SQL that SQLite lacks, installed on each connection by registerJetDialect():
// ucase(x); left(x, n), renamed by translateJetSql() because "left" is a join keyword to SQLite; a LIKE with
// Jet's wildcards and classes that ignores letter case beyond ASCII; and a NOCASE collation that does the same.
// Schema text columns are declared COLLATE NOCASE so that plain sqlite3 still opens the files; an index on such
// a column built without this collation would be ordered differently and must be rebuilt (REINDEX) here.
#pragma once

#include "runtime/database/NoCaseOrder.h"

#include <QString>

struct sqlite3;

namespace tervala::rt {

// The statement with each call "left(" (any letter case, blanks allowed before "(") renamed to jet_left, and
// each NUL character inside a '...' literal written as '||char(0)||' (SQLite would end the statement there).
// Other text inside '...', "..." and [...] is left as it is, and so are words that merely end in "left".
QString translateJetSql(const QString& statement);

// Installs the functions and the collation. Throws DbError when the engine refuses one.
void registerJetDialect(sqlite3* db);

} // namespace tervala::rt
