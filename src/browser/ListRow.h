// How one record of a name list appears in a grid row, and how far the progress bar reaches before it.
#pragma once

#include <QString>
#include <QVariant>

namespace tervala {

// Row height, in twips, of a row whose meaning is long.
constexpr int LongMeaningRowHeight = 450;
// A meaning longer than this many characters is long.
constexpr int LongMeaningLength = 40;

// The grid columns of the name, the origin and the favourite mark, and the mark itself.
constexpr int NameColumn = 0;
constexpr int OriginColumn = 2;
constexpr int FavouriteColumn = 3;
inline const QString FavouriteMark = QStringLiteral("V");

// Name, tab, meaning followed by one blank, tab, origin, tab, "V" for a favourite. Nulls give empty texts
// (the meaning cell keeps its blank) and a null favourite is not a favourite.
QString listRowText(const QVariant& nama, const QVariant& arti, const QVariant& asal, const QVariant& fav);

bool isLongMeaning(const QVariant& arti);

// Right edge, in twips, of the bar drawn before row `row` (1-based) of `total` is appended: row/total of the
// box width, in double precision rounded to single. A total that is not positive (its count failed) or smaller
// than the rows actually read gives the full width.
float progressBarWidth(int row, qlonglong total, int boxWidth);

} // namespace tervala
