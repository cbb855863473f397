// A partner's favourites file looked up in the name database: which of its records name rows of namabayi, and
// the report of what was stored and what was not found.
#pragma once

#include "browser/FavouritesCsv.h"

#include <QString>

#include <vector>

namespace tervala {

namespace rt {
class Connection;
}

struct PartnerLookup {
    std::vector<NameRow> found; // rows of namabayi, spelled as it spells them, each once
    std::vector<NameRow> notFound; // the file's records that name no row, as the file wrote them
};

// Finds the rows of namabayi with each record's name and origin (an empty origin finds a row without one) and,
// when the record gives one, its gender; letter case is ignored, as the browser's import ignores it.
PartnerLookup lookUpPartnerNames(rt::Connection& connection, const std::vector<FavouriteRecord>& records);

// What the user is told after an import under partner's name: how many names were stored, how many were not
// found, and the first of those.
QString partnerImportReport(const QString& partner, const PartnerLookup& lookup);

} // namespace tervala
