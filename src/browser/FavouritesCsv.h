// Favourite names as a CSV file that a spreadsheet opens and that a partner's copy of the program reads back:
// RFC 4180 records (CRLF line ends; a field holding a comma, a double quote, CR or LF is quoted, its quotes
// doubled), UTF-8 behind a byte order mark, and a header line naming the columns. A field that a spreadsheet
// would take for a formula (it starts with =, +, -, @, TAB or CR) is written behind an apostrophe and quoted,
// as OWASP advises against CSV injection; the reader takes the apostrophe off, so the text comes back unchanged.
#pragma once

#include "namedb/NameRow.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <vector>

namespace tervala {

// One record of a favourites file: a name row whose gender the file may leave out; such a record names the name
// and origin in both lists.
struct FavouriteRecord {
    NameRow row;
    bool hasGender = true;
};

// A file that is not a favourites file; the message says what is wrong and on which line.
class FavouritesCsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The header "Name,Meaning,Origin,Gender" and one record per name, in the given order.
QByteArray writeFavouritesCsv(const std::vector<NameRow>& names);

// Reads a file as written above, with LF line ends too and without the byte order mark. Columns are found by
// their header caption, case-blind and in any order: Name and Origin must be there, Meaning and Gender may be,
// other columns are ignored. Blank lines are skipped. Throws FavouritesCsvError when the bytes are not UTF-8, the
// header lacks a column (the message says so of a header separated by semicolons), a quoted field is not closed or is
// followed by more text, a quote stands inside an unquoted field, a record has another number of fields than the
// header, a name is empty or a gender is not M or F.
std::vector<FavouriteRecord> readFavouritesCsv(const QByteArray& bytes);

} // namespace tervala
