// The one place where the shortlist reads a name row's gender code ("M" or "F", as namabayi's jk and the
// favourites file write it), says it in words and maps it to the popularity file's sex.
#pragma once

#include "browser/FavouritesCsv.h"
#include "browser/FilterQuery.h"
#include "popularity/PopularityFile.h"

#include <QString>

#include <optional>
#include <vector>

namespace tervala {

// The gender of a code, "M" or "F" in either letter case; none for any other text.
std::optional<Gender> genderOfCode(const QString& code);

// The genders of rows, each once, boys' first; rows with another code add none.
std::vector<Gender> gendersOf(const std::vector<FavouriteName>& rows);

// "boy" or "girl", translated.
QString genderWord(Gender gender);

Sex sexOf(Gender gender);

} // namespace tervala
