#include "runtime/database/ResultTable.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace tervala::rt {

template <class T> void ResultTable::Growing<T>::grow(qsizetype more)
{
    const qsizetype wanted = std::max({ size + more, capacity * 2, qsizetype(64) });
    auto* grown = static_cast<T*>(std::realloc(items.get(), size_t(wanted) * sizeof(T)));
    if (!grown)
        throw std::bad_alloc();
    (void)items.release(); // realloc has freed or kept the old block
    items.reset(grown);
    capacity = wanted;
}

template <class T> void ResultTable::Growing<T>::shrinkToFit()
{
    if (size == capacity)
        return;
    if (size == 0) {
        items.reset();
        capacity = 0;
        return;
    }
    // A failed shrink keeps the larger block, which is as good.
    if (auto* shrunk = static_cast<T*>(std::realloc(items.get(), size_t(size) * sizeof(T)))) {
        (void)items.release();
        items.reset(shrunk);
        capacity = size;
    }
}

template <class T> void ResultTable::Growing<T>::releaseBefore(qsizetype count)
{
    // Only pages wholly inside [items, items + count) go: the allocator's own bookkeeping lies outside the block.
    static const auto pageSize = quintptr(sysconf(_SC_PAGESIZE));
    const auto start = std::max((quintptr(items.get()) + pageSize - 1) & ~(pageSize - 1), releasedUpTo);
    const auto end = quintptr(items.get() + count) & ~(pageSize - 1);
    if (end <= start)
        return;
    // Advice, not a command: pages the system keeps are only kept longer.
    madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
    releasedUpTo = end;
}

// The inline appends in the header grow these two.
template struct ResultTable::Growing<char>;
template struct ResultTable::Growing<quint32>;

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
    const Cell typeAndSize = cell(row, column);
    const char* data = m_arena.items.get() + offsetOf(row, column);
    const auto size = qsizetype(typeAndSize & SizeMask);
    switch (Type(typeAndSize >> SizeBits)) {
    case Type::Null:
        return {};
    case Type::Integer:
        switch (size) {
        case 1:
            return QVariant(qlonglong(qint8(data[0])));
        case 2: {
            qint16 number;
            std::memcpy(&number, data, sizeof number);
            return QVariant(qlonglong(number));
        }
        case 4: {
            qint32 number;
            std::memcpy(&number, data, sizeof number);
            return QVariant(qlonglong(number));
        }
        default: {
            qint64 number;
            std::memcpy(&number, data, sizeof number);
            return QVariant(qlonglong(number));
        }
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

std::optional<bool> ResultTable::integerIsNonZero(qsizetype row, int column) const
{
    const Cell typeAndSize = cell(row, column);
    switch (Type(typeAndSize >> SizeBits)) {
    case Type::Null:
        return false;
    case Type::Integer: {
        const char* data = m_arena.items.get() + offsetOf(row, column);
        return std::any_of(data, data + (typeAndSize & SizeMask), [](char byte) { return byte != 0; });
    }
    default:
        return std::nullopt;
    }
}

bool ResultTable::appendNull()
{
    return appendBytes(Type::Null, nullptr, 0);
}

bool ResultTable::appendInteger(qint64 value)
{
    // Little-endian, so the low bytes of the value are the value in fewer bytes.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    qsizetype size = 8;
    if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max())
        size = 1;
    else if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max())
        size = 2;
    else if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        size = 4;
    return appendBytes(Type::Integer, bytes, size);
}

bool ResultTable::appendReal(double value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    return appendBytes(Type::Real, bytes, sizeof bytes);
}

void ResultTable::releaseRowsBefore(qsizetype row)
{
    Q_ASSERT(row >= m_releasedRows && row <= rowCount());
    m_releasedRows = row;
    m_cells.releaseBefore(row * columnCount());
    m_rowStarts.releaseBefore(row);
    m_arena.releaseBefore(row < rowCount() ? qsizetype(m_rowStarts.items.get()[row]) : m_arena.size);
}

void ResultTable::squeeze()
{
    Q_ASSERT(m_cellsOfRow == 0);
    m_arena.shrinkToFit();
    m_cells.shrinkToFit();
    m_rowStarts.shrinkToFit();
}

} // namespace tervala::rt
