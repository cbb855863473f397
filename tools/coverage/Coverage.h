// How much of a period's births the names of the list cover. A pair of name and sex counts as covered when the
// list has a row of that name, compared case-blind with accents, blanks and punctuation folded (the SSA writes
// "zoe" for Zoë, "dandre" for D'Andre), in that sex's list.
#pragma once

#include "tools/makedb/NamesFile.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace tervala::coverage {

// The name folded as the SSA spells names (its letters only, without accents, in lower case), a tab, the sex.
QString pairKey(const QString& name, const QString& sex);

struct Figures {
    qint64 births = 0; // all births of the period
    qint64 covered = 0; // births to pairs the list has
    qint64 withMeaning = 0; // births to pairs the list has with a meaning in one of its rows
};

// The pairs of the list by pairKey(), each with whether one of its rows gives a meaning.
QHash<QString, bool> listedPairs(const std::vector<makedb::NameRow>& rows);

Figures coverage(const QHash<QString, qint64>& births, const QHash<QString, bool>& listed);

// The count pairs of births the list lacks, most births first, as "name<TAB>sex<TAB>births".
QList<QString> missingPairs(const QHash<QString, qint64>& births, const QHash<QString, bool>& listed, int count);

} // namespace tervala::coverage
