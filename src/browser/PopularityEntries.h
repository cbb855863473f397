// The browser's popularity extras, present only while popularity.db lies in the program folder: a line in the
// tooltip of every name cell and "Popularity over time…" in the context menu of a name row. The file is opened
// on the first tooltip or menu that asks for it, over a connection of its own, so start-up sends it nothing,
// and without the file no statement is ever sent to it.
#pragma once

#include <QString>

namespace tervala {

class Form1;

// Adds the extras to browser; programFolder is where popularity.db is looked for, on every request until found.
void addPopularityEntries(Form1& browser, const QString& programFolder);

} // namespace tervala
