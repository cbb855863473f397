// The list page import (Command2): every plain file of the list page folder is a page of list items, each item
// a name in a font tag and a meaning between "&quot;" marks; the file name gives gender and origin of all items.
// The stage empties bayi20000 and writes one row per item that has a name.
#pragma once

#include <QString>

#include <functional>

namespace tervala {

class StageRun;

// One pass of the item walk: the name and meaning it cut (empty when the cut failed).
struct ListItem {
    QString name;
    QString meaning;

    // An item writes a row when its name, untrimmed, is not empty.
    bool writesRow() const { return !name.isEmpty(); }
};

// The piece of fileName between its first and second "_", or all after the first "_" when there is no second
// one (extension included). A name without "_" gives an empty origin.
QString originFromFileName(const QString& fileName);

// The first character of fileName, in its own letter case.
QString genderFromFileName(const QString& fileName);

// Walks the items of one page from the top, calling onPass once per pass, also for passes without a name. The
// walk ends at the first pass whose meaning cut finds no "meaning ", or at a pass where a cut finds its start
// marker but no end marker: the cursor would then go back to the top and the page's items would repeat.
void walkListPage(const QString& pageText, const std::function<void(const ListItem&)>& onPass);

void runListImport(StageRun& run);

} // namespace tervala
