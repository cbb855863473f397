// Storage is one byte array of lines, a vector of rows (where each line lies, 8 bytes), one of heights (2 bytes)
// and a row-major colour vector (a byte a cell): 14 bytes a row beside its text. Appends are amortised O(1). data()
// only slices and decodes one short line: it runs for every painted cell.
#include "runtime/controls/FlexGridModel.h"

#include "runtime/controls/Contrast.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tervala::rt {

namespace {

constexpr qsizetype KeptRoomBytes = 16 * 1024 * 1024;

// The index-th tab-separated piece of line; empty past the last piece.
QByteArrayView pieceAt(QByteArrayView line, int index)
{
    qsizetype start = 0;
    for (; index > 0; --index) {
        const qsizetype tab = line.indexOf('\t', start);
        if (tab < 0)
            return {};
        start = tab + 1;
    }
    const qsizetype end = line.indexOf('\t', start);
    return end < 0 ? line.sliced(start) : line.sliced(start, end - start);
}

} // namespace

FlexGridModel::FlexGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_frozen ? m_shownRows : storedRowCount();
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_frozen ? m_shownColumns : storedColumnCount();
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isStored(index.row(), index.column()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), index.column());
    case Qt::BackgroundRole:
        return backColor(index.row(), index.column());
    case Qt::ForegroundRole:
        // Every cell has a background of its own, not the palette's, so its text colour cannot be the palette's.
        return readableTextColor(backColor(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[index.column()].centred ? Qt::AlignCenter
                                                                     : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::AccessibleTextRole:
        if (size_t(index.column()) < m_spokenTexts.size() && m_spokenTexts[index.column()])
            return m_spokenTexts[index.column()](cell(index.row(), index.column()));
        return {};
    default:
        return {};
    }
}

void FlexGridModel::setSpokenText(int col, SpokenText speak)
{
    Q_ASSERT(col >= 0);
    if (size_t(col) >= m_spokenTexts.size())
        m_spokenTexts.resize(col + 1);
    m_spokenTexts[col] = std::move(speak);
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= storedColumnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_columns[section].caption;
    case Qt::AccessibleTextRole:
        // The blanks after a caption set its column's width; a listener need not hear them.
        return m_columns[section].caption.trimmed();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[section].centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FlexGridModel::setFrozen(bool frozen)
{
    if (frozen == m_frozen)
        return;
    if (frozen) {
        m_shownRows = storedRowCount();
        m_shownColumns = storedColumnCount();
        m_frozen = true;
        return;
    }
    beginResetModel();
    m_frozen = false;
    endResetModel();
}

void FlexGridModel::setColumns(std::vector<Column> columns)
{
    const int oldCount = storedColumnCount();
    const int newCount = int(columns.size());
    if (!m_frozen)
        beginResetModel();
    if (newCount != oldCount) {
        std::vector<quint8> colors(m_rows.size() * newCount, NeverColoured);
        const int kept = std::min(oldCount, newCount);
        for (size_t row = 0; row < m_rows.size(); ++row)
            std::copy_n(m_colorIndexes.begin() + row * oldCount, kept, colors.begin() + row * newCount);
        m_colorIndexes = std::move(colors);
    }
    m_columns = std::move(columns);
    if (!m_frozen)
        endResetModel();
}

QString FlexGridModel::caption(int col) const
{
    Q_ASSERT(col >= 0 && col < storedColumnCount());
    return m_columns[col].caption;
}

void FlexGridModel::setCaption(int col, const QString& caption)
{
    Q_ASSERT(col >= 0 && col < storedColumnCount());
    m_columns[col].caption = caption;
    if (!m_frozen)
        emit headerDataChanged(Qt::Horizontal, col, col);
}

void FlexGridModel::resizeRows(int count)
{
    Q_ASSERT(count >= 0);
    const int oldCount = storedRowCount();
    if (count == oldCount)
        return;
    const bool announce = !m_frozen;
    if (announce) {
        if (count < oldCount)
            beginRemoveRows({}, count, oldCount - 1);
        else
            beginInsertRows({}, oldCount, count - 1);
    }
    m_rows.resize(count, Row { quint64(m_linesUsed) });
    m_heights.resize(count, 0);
    m_colorIndexes.resize(size_t(count) * storedColumnCount(), NeverColoured);
    if (count == 0) {
        m_linesUsed = 0;
        // An emptied grid keeps a room of a few megabytes for its next rows, whose pages are then already there
        // (a list of tens of thousands of rows would otherwise fault in its memory anew on every load), and gives
        // a larger one back, so that a long list it no longer shows does not stay in memory.
        if (m_lines.size() > KeptRoomBytes) {
            m_lines.clear();
            m_rows.shrink_to_fit();
            m_heights.shrink_to_fit();
            m_colorIndexes.shrink_to_fit();
        }
    }
    if (announce) {
        if (count < oldCount)
            endRemoveRows();
        else
            endInsertRows();
    }
}

void FlexGridModel::appendRowUtf8(QByteArrayView tabSeparated)
{
    const int row = storedRowCount();
    if (!m_frozen)
        beginInsertRows({}, row, row);
    m_rows.push_back(appendLine(tabSeparated));
    m_heights.push_back(0);
    // One push_back a cell: resize() takes the general fill-insert path, for every row of a load.
    for (int col = 0; col < storedColumnCount(); ++col)
        m_colorIndexes.push_back(NeverColoured);
    if (!m_frozen)
        endInsertRows();
}

bool FlexGridModel::isStored(int row, int col) const
{
    return row >= 0 && row < storedRowCount() && col >= 0 && col < storedColumnCount();
}

FlexGridModel::Row FlexGridModel::appendLine(QByteArrayView line)
{
    const bool isLong = quint64(line.size()) >= LongLine;
    qsizetype offset = m_linesUsed;
    m_linesUsed = offset + (isLong ? qsizetype(sizeof(quint64)) : 0) + line.size();
    // The room doubles when full: QByteArray's resize() or append() for every row would cost a call with its checks
    // and, for append(), its general insert path. The room past m_linesUsed is not written (but for the zero that
    // QByteArray keeps at its end), so its pages are not resident.
    if (m_linesUsed > m_lines.size())
        m_lines.resize(std::max(m_linesUsed, 2 * m_lines.size()));
    if (isLong) {
        const auto size = quint64(line.size());
        std::memcpy(m_lines.data() + offset, &size, sizeof size);
        offset += sizeof size;
    }
    if (!line.isEmpty())
        std::memcpy(m_lines.data() + offset, line.data(), size_t(line.size()));
    const quint64 sizeField = isLong ? LongLine : quint64(line.size());
    Q_ASSERT(quint64(offset) < (quint64(1) << OffsetBits));
    return Row { quint64(offset) | sizeField << OffsetBits };
}

QByteArrayView FlexGridModel::line(int row) const
{
    const quint64 place = m_rows[row].place;
    const auto offset = qsizetype(place & ((quint64(1) << OffsetBits) - 1));
    quint64 size = place >> OffsetBits;
    if (size == LongLine)
        std::memcpy(&size, m_lines.constData() + offset - sizeof size, sizeof size);
    return QByteArrayView(m_lines).sliced(offset, qsizetype(size));
}

QString FlexGridModel::cell(int row, int col) const
{
    return QString::fromUtf8(pieceAt(line(row), col));
}

QString FlexGridModel::text(int row, int col) const
{
    Q_ASSERT(isStored(row, col));
    return cell(row, col);
}

void FlexGridModel::setText(int row, int col, const QString& text)
{
    Q_ASSERT(isStored(row, col));
    Q_ASSERT(!text.contains(u'\t'));
    QByteArrayList pieces = line(row).toByteArray().split('\t');
    while (pieces.size() <= col)
        pieces.append(QByteArray());
    pieces[col] = text.toUtf8();
    m_rows[row] = appendLine(pieces.join('\t'));
    if (!m_frozen)
        emit dataChanged(index(row, col), index(row, col), { Qt::DisplayRole });
}

int FlexGridModel::heightTwips(int row) const
{
    Q_ASSERT(row >= 0 && row < storedRowCount());
    return m_heights[row];
}

void FlexGridModel::setHeightTwips(int row, int twips)
{
    Q_ASSERT(row >= 0 && row < storedRowCount());
    Q_ASSERT(twips >= 0);
    m_heights[row] = quint16(std::min(twips, MaxHeightTwips));
}

QColor FlexGridModel::backColor(int row, int col) const
{
    Q_ASSERT(isStored(row, col));
    const quint8 index = m_colorIndexes[size_t(row) * storedColumnCount() + col];
    return index == NeverColoured ? QColor(Qt::white) : QColor(m_palette[index]);
}

void FlexGridModel::announceBackColor(int row, int col)
{
    emit dataChanged(index(row, col), index(row, col), { Qt::BackgroundRole });
}

quint8 FlexGridModel::nearestPaletteIndex(QRgb rgb)
{
    const auto distance = [rgb](QRgb other) {
        const int red = qRed(rgb) - qRed(other);
        const int green = qGreen(rgb) - qGreen(other);
        const int blue = qBlue(rgb) - qBlue(other);
        return red * red + green * green + blue * blue;
    };
    size_t nearest = 1;
    for (size_t index = 1; index < m_palette.size(); ++index) {
        if (m_palette[index] == rgb)
            return quint8(index);
        if (distance(m_palette[index]) < distance(m_palette[nearest]))
            nearest = index;
    }
    if (m_palette.size() <= std::numeric_limits<quint8>::max()) {
        m_palette.push_back(rgb);
        return quint8(m_palette.size() - 1);
    }
    return quint8(nearest);
}

QString FlexGridModel::rowsAsTabSeparatedText(std::vector<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList lines;
    QStringList cells;
    for (const int row : rows) {
        if (row < 0 || row >= storedRowCount())
            continue;
        cells.clear();
        for (int col = 0; col < storedColumnCount(); ++col)
            cells.append(cell(row, col));
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n');
}

} // namespace tervala::rt
