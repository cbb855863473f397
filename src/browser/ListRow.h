// How one record of a name list appears in a grid row, and how far the progress bar reaches before it.
#pragma once

#include <QByteArray>
#include <QString>

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

// Writes at the start of buffer and returns what it wrote: name, tab, meaning followed by one blank, tab, origin,
// tab, "V" for a favourite, in UTF-8, from the fields' bytes as the recordset holds them. An empty view (a null
// field) gives an empty text; the meaning cell keeps its blank. A load passes the same buffer for every row: it
// only grows, so that its room is allocated once, and the view is valid until the next call.
QByteArrayView
writeListRowText(QByteArray& buffer, QByteArrayView nama, QByteArrayView arti, QByteArrayView asal, bool fav);

// True when the meaning, given as UTF-8, has more than LongMeaningLength characters, counted as the grid's text
// counts them (UTF-16 units).
bool isLongMeaning(QByteArrayView arti);

// Right edge, in twips, of the bar drawn before row `row` (1-based) of `total` is appended: row/total of the
// box width, in double precision rounded to single. A total that is not positive (its count failed) or smaller
// than the rows actually read gives the full width.
float progressBarWidth(int row, qlonglong total, int boxWidth);

} // namespace tervala
