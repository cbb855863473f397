#include "tools/coverage/BirthCounts.h"

#include "tools/coverage/Coverage.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace tervala::coverage {

QHash<QString, qint64> readBirthCounts(const QString& path, int firstYear, int lastYear)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close_v2);
    const auto fail = [&] { throw std::runtime_error(path.toStdString() + ": " + sqlite3_errmsg(db.get())); };
    if (rc != SQLITE_OK)
        fail();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.get(),
                           "select name, sex, sum(births) from usNameData where year between ?1 and ?2 "
                           "group by name, sex",
                           -1,
                           &statement,
                           nullptr)
        != SQLITE_OK)
        fail();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalize(statement, sqlite3_finalize);
    sqlite3_bind_int(statement, 1, firstYear);
    sqlite3_bind_int(statement, 2, lastYear);
    QHash<QString, qint64> births;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
        };
        births[pairKey(text(0), text(1))] += sqlite3_column_int64(statement, 2);
    }
    if (step != SQLITE_DONE)
        fail();
    return births;
}

} // namespace tervala::coverage
