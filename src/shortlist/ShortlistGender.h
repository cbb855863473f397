// The genders of the shortlist's rows, and a gender in words.
#pragma once

#include "namedb/NameRow.h"

#include <QString>

#include <vector>

namespace tervala {

// The genders of rows, each once, boys' first.
std::vector<Gender> gendersOf(const std::vector<NameRow>& rows);

// "boy" or "girl", translated.
QString genderWord(Gender gender);

} // namespace tervala
