// The favourites as a printed list: a title and a table of name, meaning, origin and gender.
#pragma once

#include "namedb/NameRow.h"

#include <QString>

#include <vector>

class QPrinter;

namespace tervala {

// The list as HTML for a QTextDocument; every text from the database is escaped.
QString favouritesHtml(const std::vector<NameRow>& names);

// Prints the list on printer, set up beforehand (a printer chosen in the print dialog, or a PDF file).
void printFavourites(const std::vector<NameRow>& names, QPrinter& printer);

} // namespace tervala
