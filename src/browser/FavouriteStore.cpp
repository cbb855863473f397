// The import's statements are composed as the favourite toggle composes its own, with the quoting rule, so that
// sending one again takes it back.
#include "browser/FavouriteStore.h"

#include "namedb/Quoting.h"
#include "runtime/database/Connection.h"
#include "runtime/database/DbError.h"

namespace tervala {

namespace {

enum class Outcome { New, AlreadyFavourite, NotFound };

Outcome markImported(rt::Connection& connection, const FavouriteRecord& record, ImportCounts& counts)
{
    const NameRow& row = record.row;
    QString where = " where nama='" + quoteSql(row.nama) + "' and asal='" + quoteSql(row.asal) + "'";
    if (record.hasGender)
        where += " and jk='" + genderCode(row.jk) + "'";
    rt::Recordset rows = connection.execute("select fav from namabayi" + where);
    if (rows.eof())
        return Outcome::NotFound;
    for (; !rows.eof(); rows.moveNext()) {
        if (rows.field(QStringLiteral("fav")).toBool())
            return Outcome::AlreadyFavourite;
    }
    const QString sql = "update namabayi set fav=not fav" + where;
    connection.execute(sql);
    counts.marks.push_back(
        { sql, row.nama, row.asal, record.hasGender ? std::optional<Gender>(row.jk) : std::nullopt });
    return Outcome::New;
}

void rollBackAfterFailure(rt::Connection& connection)
{
    try {
        connection.execute(QStringLiteral("rollback"));
    } catch (const rt::DbError&) {
        // The engine ends the transaction itself after some failures (a full disk); then there is none to end.
    }
}

} // namespace

std::vector<NameRow> readFavourites(rt::Connection& connection)
{
    std::vector<NameRow> names;
    rt::Recordset rows = connection.execute(
        QStringLiteral("select nama, arti, asal, jk from namabayi where fav=true order by nama, asal, jk"));
    for (; !rows.eof(); rows.moveNext()) {
        const auto text = [&](const char* column) { return rows.field(QLatin1String(column)).toString(); };
        names.push_back({ text("nama"),
                          text("arti"),
                          text("asal"),
                          genderFromCode(text("jk").toUpper()).value_or(Gender::Male),
                          true });
    }
    return names;
}

std::optional<ImportCounts> markImportedFavourites(rt::Connection& connection,
                                                   const std::vector<FavouriteRecord>& records,
                                                   const std::function<bool(int done)>& keepGoing)
{
    // Immediate: the write lock is taken, or waited for, before the first mark.
    connection.execute(QStringLiteral("begin immediate"));
    ImportCounts counts;
    try {
        for (size_t i = 0; i < records.size(); ++i) {
            if (!keepGoing(int(i))) {
                connection.execute(QStringLiteral("rollback"));
                return std::nullopt;
            }
            switch (markImported(connection, records[i], counts)) {
            case Outcome::New:
                ++counts.added;
                break;
            case Outcome::AlreadyFavourite:
                ++counts.already;
                break;
            case Outcome::NotFound:
                counts.notFound << records[i].row.nama + " (" + records[i].row.asal + ")";
                break;
            }
        }
        connection.execute(QStringLiteral("commit"));
    } catch (const rt::DbError&) {
        rollBackAfterFailure(connection);
        throw;
    }
    return counts;
}

} // namespace tervala
