// One row of namabayi, the name table, as every part of the program passes it: the browser's lists, the
// favourites that travel, the builder's merge, the popularity of a name and the shortlist. Only the data layer
// reads and writes a gender as the letters of the jk column.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tervala {

// The list a name belongs to: the boys' (jk 'M') or the girls' (jk 'F').
enum class Gender { Male, Female };

// "M" or "F", as jk stores the gender.
QString genderCode(Gender gender);
// The gender stored as code ("M" or "F", exactly); none for any other text.
std::optional<Gender> genderFromCode(QStringView code);

struct NameRow {
    QString nama; // the name
    QString arti; // its meaning
    QString asal; // its origin
    Gender jk = Gender::Male;
    bool fav = false; // a favourite

    bool operator==(const NameRow&) const = default;
};

} // namespace tervala
