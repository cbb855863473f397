// The shortlist as the window shows it, composed from marked rows of the name database: one entry per name
// (letter case aside) with whose marks it has, in the order of the ranking. The ranking holds every name that
// anyone marks: a newly marked name joins at the end, an unmarked one leaves. Values in, values out.
#pragma once

#include "namedb/NameRow.h"

#include <QStringList>

#include <vector>

namespace tervala {

struct ShortlistEntry {
    QString key; // the name case-folded, as the ranking stores it
    QString name; // as its first row spells it
    std::vector<NameRow> rows; // its marked rows: mine, then the partner's that are not mine too
    bool mine = false;
    bool partners = false;
    int rank = 0; // 1-based place among all entries of the comparison, whatever a filter hides
};

enum class ShortlistFilter { All, Both, OnlyMine, OnlyPartners };

QString nameKey(const QString& name);

// The distinct keys of names, sorted.
QStringList keysOf(const QStringList& names);

// The keys of stored that are in current, in stored order, followed by the keys of current that stored lacks,
// in current's order. Each key appears once.
QStringList rankedOrder(const QStringList& stored, const QStringList& current);

// One entry per name of mine and partners, ordered as order ranks their keys; a key that order lacks goes last.
std::vector<ShortlistEntry>
composeShortlist(const std::vector<NameRow>& mine, const std::vector<NameRow>& partners, const QStringList& order);

bool passesFilter(const ShortlistEntry& entry, ShortlistFilter filter);

enum class Place { Before, After };
// order with key taken out and put again just before or after target. Unchanged when either key is not in
// order or both are the same.
QStringList moveInOrder(QStringList order, const QString& key, const QString& target, Place place);

// The rows of entries, in their order, as the favourites file and the printed list take them.
std::vector<NameRow> rowsOf(const std::vector<ShortlistEntry>& entries);

} // namespace tervala
