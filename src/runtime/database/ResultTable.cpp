// QByteArray and QList grow with realloc for plain data, so a large result is not copied while it grows.
#include "runtime/database/ResultTable.h"

#include <cstring>
#include <limits>

namespace tervala::rt {

namespace {

constexpr int SizeBits = 29;
constexpr quint32 SizeMask = (quint32(1) << SizeBits) - 1;

} // namespace

ResultTable::ResultTable(QStringList columnNames)
    : m_columnNames(std::move(columnNames))
{
}

int ResultTable::columnIndex(const QString& name) const
{
    // Callers look a field up by name for every row and mostly spell it as the table does: the exact test is
    // the cheap one.
    for (int i = 0; i < columnCount(); ++i) {
        if (m_columnNames[i] == name || m_columnNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant ResultTable::value(qsizetype row, int column) const
{
    Q_ASSERT(row >= 0 && row < rowCount() && column >= 0 && column < columnCount());
    const Cell cell = m_cells[row * columnCount() + column];
    const char* data = m_arena.constData() + cell.offset;
    const auto size = qsizetype(cell.typeAndSize & SizeMask);
    switch (Type(cell.typeAndSize >> SizeBits)) {
    case Type::Null:
        return {};
    case Type::Integer: {
        if (size == 0)
            return QVariant(qlonglong(qint32(cell.offset)));
        qint64 number;
        std::memcpy(&number, data, sizeof number);
        return QVariant(qlonglong(number));
    }
    case Type::Real: {
        double number;
        std::memcpy(&number, data, sizeof number);
        return QVariant(number);
    }
    case Type::Text:
        return QVariant(QString::fromUtf8(data, size));
    case Type::Blob:
        return QVariant(QByteArray(data, size));
    }
    Q_UNREACHABLE();
}

QByteArrayView ResultTable::bytes(qsizetype row, int column) const
{
    Q_ASSERT(row >= 0 && row < rowCount() && column >= 0 && column < columnCount());
    const Cell cell = m_cells[row * columnCount() + column];
    const Type type = Type(cell.typeAndSize >> SizeBits);
    if (type != Type::Text && type != Type::Blob)
        return {};
    return QByteArrayView(m_arena.constData() + cell.offset, qsizetype(cell.typeAndSize & SizeMask));
}

bool ResultTable::appendNull()
{
    return appendBytes(Type::Null, nullptr, 0);
}

bool ResultTable::appendInteger(qint64 value)
{
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max()) {
        m_cells.append(Cell { quint32(qint32(value)), quint32(Type::Integer) << SizeBits });
        return true;
    }
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    return appendBytes(Type::Integer, bytes, sizeof bytes);
}

bool ResultTable::appendReal(double value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    return appendBytes(Type::Real, bytes, sizeof bytes);
}

bool ResultTable::appendBytes(Type type, const char* data, qsizetype size)
{
    if (size > qsizetype(SizeMask) || m_arena.size() + size > qsizetype(std::numeric_limits<quint32>::max()))
        return false;
    const qsizetype offset = m_arena.size();
    m_cells.append(Cell { quint32(offset), (quint32(type) << SizeBits) | quint32(size) });
    // resize() grows the capacity geometrically; append() would take QByteArray's general insert path per cell.
    m_arena.resize(offset + size);
    if (size > 0)
        std::memcpy(m_arena.data() + offset, data, size_t(size));
    return true;
}

void ResultTable::squeeze()
{
    Q_ASSERT(columnCount() == 0 || m_cells.size() % columnCount() == 0);
    m_arena.squeeze();
    m_cells.squeeze();
}

} // namespace tervala::rt
