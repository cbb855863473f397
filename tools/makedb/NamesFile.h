// The sample names: a UTF-8 file with the header "nama TAB jk TAB asal TAB arti" and one name a line, four
// tab-separated fields, no quoting. An empty asal or arti is stored as NULL.
#pragma once

#include <QString>

#include <vector>

namespace tervala::makedb {

struct NameRow {
    QString nama;
    QString jk; // "M" or "F"
    QString asal; // null when the field is empty
    QString arti; // null when the field is empty
};

// The rows of the file in file order. Throws std::runtime_error naming the file and line when the file cannot be
// read, is not UTF-8, has another header, or a line has not four fields, an empty nama or a jk other than M or F.
std::vector<NameRow> readNamesFile(const QString& path);

} // namespace tervala::makedb
