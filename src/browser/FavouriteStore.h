// The favourites in the name database as the transfer reads and marks them: plain functions over the window's
// connection, no widgets.
#pragma once

#include "browser/FavouritesCsv.h"
#include "namedb/NameRow.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace tervala {

namespace rt {
class Connection;
}

// Every favourite, ordered by name, origin and gender.
std::vector<NameRow> readFavourites(rt::Connection& connection);

// One import's outcome. A mark's update statement, name, origin and gender are kept so that the window can show
// it and take it back.
struct ImportCounts {
    struct Mark {
        QString sql;
        QString name;
        QString origin;
        std::optional<Gender> gender; // none when the file gave none: both lists changed
    };
    int added = 0;
    int already = 0;
    QStringList notFound; // "name (origin)"
    std::vector<Mark> marks; // of the new ones, in the file's order
};

// Marks every record's name and origin (and gender, when given) as a favourite, in one transaction taken with
// the write lock: a name none of whose rows is a favourite yet gets one statement that flips them. keepGoing is
// asked before each record with how many are done; when it says no, nothing is marked and nullopt is returned.
// A DbError (a lock that outlasts the wait, a full disk) rolls back: nothing is marked, and it is thrown on.
std::optional<ImportCounts> markImportedFavourites(rt::Connection& connection,
                                                   const std::vector<FavouriteRecord>& records,
                                                   const std::function<bool(int done)>& keepGoing);

} // namespace tervala
