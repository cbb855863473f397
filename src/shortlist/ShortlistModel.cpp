#include "shortlist/ShortlistModel.h"

#include "shortlist/FullName.h"
#include "shortlist/ShortlistGender.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

namespace tervala {

namespace {

const QString RowFormat = QStringLiteral("application/x-tervala-shortlist-row");

// The distinct values of one field of rows, in the rows' order, joined by separator.
QString distinct(const std::vector<NameRow>& rows, QString NameRow::*field, const QString& separator)
{
    QStringList values;
    for (const NameRow& row : rows) {
        const QString value = (row.*field).trimmed();
        if (!value.isEmpty() && !values.contains(value))
            values << value;
    }
    return values.join(separator);
}

QString genders(const std::vector<NameRow>& rows)
{
    QStringList words;
    for (const Gender gender : gendersOf(rows))
        words << genderWord(gender);
    return words.join(QStringLiteral(", "));
}

} // namespace

ShortlistModel::ShortlistModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ShortlistModel::setEntries(std::vector<ShortlistEntry> entries,
                                const QString& partner,
                                QHash<QString, QString> standings)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_partner = partner;
    m_standings = std::move(standings);
    endResetModel();
}

void ShortlistModel::setFamilyNames(const QString& middle, const QString& surname)
{
    m_middle = middle;
    m_surname = surname;
    if (!m_entries.empty())
        emit dataChanged(index(0, FullNameColumn), index(rowCount() - 1, InitialsColumn));
}

int ShortlistModel::rowOf(const QString& key) const
{
    for (size_t row = 0; row < m_entries.size(); ++row) {
        if (m_entries[row].key == key)
            return int(row);
    }
    return -1;
}

QString ShortlistModel::fullNameOf(int row) const
{
    return fullName(entry(row).name, m_middle, m_surname);
}

int ShortlistModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int ShortlistModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ShortlistModel::text(const ShortlistEntry& entry, int column) const
{
    switch (column) {
    case RankColumn:
        return QLocale().toString(entry.rank);
    case NameColumn:
        return entry.name;
    case FullNameColumn:
        return fullName(entry.name, m_middle, m_surname);
    case InitialsColumn:
        return initials(entry.name, m_middle, m_surname);
    case GenderColumn:
        return genders(entry.rows);
    case OriginColumn:
        return distinct(entry.rows, &NameRow::asal, QStringLiteral(", "));
    case MeaningColumn:
        return distinct(entry.rows, &NameRow::arti, QStringLiteral(" / "));
    case MarkedByColumn:
        if (entry.mine && entry.partners)
            return tr("both");
        return entry.mine ? tr("me") : m_partner;
    case UsRankColumn:
        return m_standings.value(entry.key);
    }
    return {};
}

QString ShortlistModel::initialsWarning(const ShortlistEntry& entry) const
{
    const QString word = teasingWord(initials(entry.name, m_middle, m_surname));
    if (word.isEmpty())
        return {};
    return tr("The initials spell \"%1\", a word other children may tease with.").arg(word);
}

QVariant ShortlistModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ShortlistEntry& shown = entry(index.row());
    const bool warned = index.column() == InitialsColumn && !initialsWarning(shown).isEmpty();
    switch (role) {
    case Qt::DisplayRole:
        return text(shown, index.column());
    case Qt::ToolTipRole:
        if (warned)
            return initialsWarning(shown);
        return index.column() == MeaningColumn ? text(shown, MeaningColumn) : QVariant();
    case Qt::AccessibleTextRole:
        // A listener hears the warning that the eye takes from the icon.
        if (warned)
            return tr("%1, warning: %2").arg(text(shown, InitialsColumn), initialsWarning(shown));
        return text(shown, index.column());
    case Qt::DecorationRole:
        if (warned)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == RankColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    }
    return {};
}

QVariant ShortlistModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case RankColumn:
        return tr("Rank");
    case NameColumn:
        return tr("Name");
    case FullNameColumn:
        return tr("Full name");
    case InitialsColumn:
        return tr("Initials");
    case GenderColumn:
        return tr("Gender");
    case OriginColumn:
        return tr("Origin");
    case MeaningColumn:
        return tr("Meaning");
    case MarkedByColumn:
        return tr("Marked by");
    case UsRankColumn:
        return tr("US rank");
    }
    return {};
}

Qt::ItemFlags ShortlistModel::flags(const QModelIndex& index) const
{
    // A row is dragged to its new place; dropping below the last row puts it last.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions ShortlistModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList ShortlistModel::mimeTypes() const
{
    return { RowFormat };
}

QMimeData* ShortlistModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(RowFormat, entry(indexes.first().row()).key.toUtf8());
    return data;
}

int ShortlistModel::rowOfDragged(const QMimeData& data) const
{
    return data.hasFormat(RowFormat) ? rowOf(QString::fromUtf8(data.data(RowFormat))) : -1;
}

} // namespace tervala
