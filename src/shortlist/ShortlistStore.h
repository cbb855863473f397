// What the shortlist keeps in the name database beside namabayi: each partner's marks, the ranking of the names
// and the texts typed into the window, in tables of their own that the store makes when they are missing.
// namabayi is only ever read here. Values are bound, never spliced into the statement text.
#pragma once

#include "namedb/NameRow.h"

#include <QStringList>

#include <vector>

namespace tervala {

namespace rt {
class Connection;
}

class ShortlistStore {
public:
    // connection: open on the name database, and outliving the store. Makes the missing tables.
    explicit ShortlistStore(rt::Connection& connection);

    // The rows of namabayi marked as favourites, ordered by name, origin and gender.
    std::vector<NameRow> myFavourites();

    // The partners whose marks are stored, by name.
    QStringList partners();
    // The rows of namabayi that the partner's marks name, ordered by name, origin and gender.
    std::vector<NameRow> partnerRows(const QString& partner);
    // Every name that any partner marked, as spelled in namabayi.
    QStringList namesMarkedByPartners();
    // Replaces, as a whole, the marks of the partner of that name (letter case aside) by rows found in namabayi,
    // stored under partner as written. Nothing changes when a statement fails.
    void replacePartner(const QString& partner, const std::vector<NameRow>& rows);
    void removePartner(const QString& partner);

    // The ranked name keys, first place first.
    QStringList ranking();
    // Stores order as the whole ranking.
    void storeRanking(const QStringList& order);

    // A text kept for the window; empty when none was stored.
    QString setting(const QString& key);
    void setSetting(const QString& key, const QString& value);

private:
    // Runs statements as one transaction: all or none of them take effect.
    void runTogether(const std::function<void()>& statements);

    rt::Connection& m_connection;
};

} // namespace tervala
