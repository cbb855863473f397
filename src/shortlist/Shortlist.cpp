#include "shortlist/Shortlist.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace tervala {

namespace {

bool sameRow(const NameRow& a, const NameRow& b)
{
    return a.nama == b.nama && a.asal == b.asal && a.jk == b.jk;
}

} // namespace

QString nameKey(const QString& name)
{
    return name.toCaseFolded();
}

QStringList keysOf(const QStringList& names)
{
    QStringList keys;
    for (const QString& name : names)
        keys << nameKey(name);
    keys.sort();
    keys.removeDuplicates();
    return keys;
}

QStringList rankedOrder(const QStringList& stored, const QStringList& current)
{
    const QSet<QString> currentKeys(current.begin(), current.end());
    QSet<QString> placed;
    QStringList order;
    for (const QStringList* keys : { &stored, &current }) {
        for (const QString& key : *keys) {
            if (currentKeys.contains(key) && !placed.contains(key)) {
                placed.insert(key);
                order << key;
            }
        }
    }
    return order;
}

std::vector<ShortlistEntry>
composeShortlist(const std::vector<NameRow>& mine, const std::vector<NameRow>& partners, const QStringList& order)
{
    std::vector<ShortlistEntry> entries;
    QHash<QString, size_t> byKey;
    const auto add = [&](const NameRow& row, bool isMine) {
        const QString key = nameKey(row.nama);
        auto found = byKey.constFind(key);
        if (found == byKey.constEnd()) {
            found = byKey.insert(key, entries.size());
            entries.push_back({ key, row.nama, {}, false, false, 0 });
        }
        ShortlistEntry& entry = entries[*found];
        (isMine ? entry.mine : entry.partners) = true;
        if (std::none_of(entry.rows.begin(), entry.rows.end(), [&](const auto& r) { return sameRow(r, row); }))
            entry.rows.push_back(row);
    };
    for (const NameRow& row : mine)
        add(row, true);
    for (const NameRow& row : partners)
        add(row, false);

    QHash<QString, qsizetype> places;
    for (qsizetype i = 0; i < order.size(); ++i)
        places.insert(order[i], i);
    const auto place = [&](const ShortlistEntry& entry) { return places.value(entry.key, order.size()); };
    std::stable_sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) { return place(a) < place(b); });
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].rank = int(i) + 1;
    return entries;
}

bool passesFilter(const ShortlistEntry& entry, ShortlistFilter filter)
{
    switch (filter) {
    case ShortlistFilter::All:
        return true;
    case ShortlistFilter::Both:
        return entry.mine && entry.partners;
    case ShortlistFilter::OnlyMine:
        return entry.mine && !entry.partners;
    case ShortlistFilter::OnlyPartners:
        return entry.partners && !entry.mine;
    }
    return false;
}

QStringList moveInOrder(QStringList order, const QString& key, const QString& target, Place place)
{
    if (key == target || !order.contains(key) || !order.contains(target))
        return order;
    order.removeOne(key);
    const qsizetype at = order.indexOf(target) + (place == Place::After ? 1 : 0);
    order.insert(at, key);
    return order;
}

std::vector<NameRow> rowsOf(const std::vector<ShortlistEntry>& entries)
{
    std::vector<NameRow> rows;
    for (const ShortlistEntry& entry : entries)
        rows.insert(rows.end(), entry.rows.begin(), entry.rows.end());
    return rows;
}

} // namespace tervala
