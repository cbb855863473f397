// The shortlist's rows as the window's table shows them: rank, name, full name and initials with the family's
// names, gender, origin, meaning, whose marks and the US standing. It only turns entries into texts: every value
// it shows is handed to it, so drawing the table never reads a database.
#pragma once

#include "shortlist/Shortlist.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

namespace tervala {

class ShortlistModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        RankColumn,
        NameColumn,
        FullNameColumn,
        InitialsColumn,
        GenderColumn,
        OriginColumn,
        MeaningColumn,
        MarkedByColumn,
        UsRankColumn,
        ColumnCount
    };

    explicit ShortlistModel(QObject* parent = nullptr);

    // entries: the rows to show, in rank order; partner: the partner compared with, or empty; standings: the US
    // standing text by entry key, empty for an entry without one.
    void setEntries(std::vector<ShortlistEntry> entries, const QString& partner, QHash<QString, QString> standings);
    void setFamilyNames(const QString& middle, const QString& surname);

    const ShortlistEntry& entry(int row) const { return m_entries.at(size_t(row)); }
    const std::vector<ShortlistEntry>& entries() const { return m_entries; }
    // The row of the entry with key, or -1.
    int rowOf(const QString& key) const;
    // The full name of the entry in row, with the family's names.
    QString fullNameOf(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    // A dragged row carries its entry's key in a format of its own, so nothing but a shortlist row drops here.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // The row whose key data carries, or -1.
    int rowOfDragged(const QMimeData& data) const;

private:
    QString text(const ShortlistEntry& entry, int column) const;
    // Why the initials of entry are a poor choice; empty when they spell no teasing word.
    QString initialsWarning(const ShortlistEntry& entry) const;

    std::vector<ShortlistEntry> m_entries;
    QString m_partner;
    QHash<QString, QString> m_standings;
    QString m_middle;
    QString m_surname;
};

} // namespace tervala
