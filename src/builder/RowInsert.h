// The one statement form with which every builder stage writes a row into a staging table or into namabayi.
// Name and meaning are quoted; origin and gender are placed as they are, so a single quote in either makes the
// statement malformed and the database refuses it, and the stage stops there with the rows before it kept. The
// builder's statement traces and the stage tests' expected rows depend on exactly that.
#pragma once

#include <QString>

namespace tervala {

// One row of the staging tables: nama, arti, asal, jk. The gender may be a whole text; only its first
// character is written.
struct StagingRow {
    QString name;
    QString meaning;
    QString origin;
    QString gender;
};

// The text without leading and trailing U+0020 spaces; tabs and other white space stay.
QString trimSpaces(const QString& text);

// "insert into <table>(nama,arti,asal,jk) VALUES('<name>','<meaning>','<origin>','<gender>')" with name, meaning
// and origin trimmed of spaces, name and meaning quoted, and the gender's first character untrimmed.
QString composeRowInsert(const QString& table, const StagingRow& row);

} // namespace tervala
