// A change of favourite marks, as Ctrl+Z takes it back: the one statement that flipped fav (sending it again
// flips the same rows back), and what tells the grid rows that show the change.
#pragma once

#include "namedb/NameRow.h"

#include <QString>

#include <optional>

namespace tervala {

namespace rt {
class FlexGrid;
}

struct FavouriteChange {
    QString sql;
    QString name;
    QString origin; // empty when every origin of the name changed
    std::optional<Gender> gender; // none when both genders changed
    rt::FlexGrid* grid = nullptr; // the grid and row whose mark flipped with the change; row 0 when no single row did
    int row = 0;
    quint64 generation = 0; // the window's refresh count when made: a newer rebuild may have moved that row
};

// Whether a row of the gender's grid showing name and origin shows the change. Names and origins compare
// without regard to case, as the database compares them.
bool rowShowsChange(const FavouriteChange& change, Gender gridGender, const QString& name, const QString& origin);

} // namespace tervala
