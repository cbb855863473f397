#include "namedb/NameIndexes.h"

#include "runtime/Connection.h"
#include "runtime/DbError.h"

namespace tervala {

void addNameIndexes(rt::Connection& connection)
{
    try {
        connection.executeUntraced(
            QStringLiteral("create index if not exists tervala_origins on namabayi(asal collate binary)"));
    } catch (const rt::DbError&) {
        // The origin list then reads the table: slower, the same entries.
    }
}

} // namespace tervala
