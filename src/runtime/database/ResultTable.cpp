#include "runtime/database/ResultTable.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace tervala::rt {

template <class T> void ResultTable::Growing<T>::reserveFor(qsizetype more)
{
    if (size + more <= capacity)
        return;
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
    Q_ASSERT(row >= m_releasedRows && row < rowCount() && column >= 0 && column < columnCount());
    const Cell cell = m_cells.items.get()[row * columnCount() + column];
    const char* data = m_arena.items.get() + cell.offset;
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

bool ResultTable::appendNull()
{
    return appendBytes(Type::Null, nullptr, 0);
}

bool ResultTable::appendInteger(qint64 value)
{
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max()) {
        appendCell(Cell { quint32(qint32(value)), quint32(Type::Integer) << SizeBits });
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
    const qsizetype offset = m_arena.size;
    if (size > qsizetype(SizeMask) || offset + size > qsizetype(std::numeric_limits<quint32>::max()))
        return false;
    appendCell(Cell { quint32(offset), (quint32(type) << SizeBits) | quint32(size) });
    if (size > 0) {
        m_arena.reserveFor(size);
        std::memcpy(m_arena.items.get() + offset, data, size_t(size));
        m_arena.size += size;
    }
    return true;
}

void ResultTable::appendCell(Cell cell)
{
    m_cells.reserveFor(1);
    m_cells.items.get()[m_cells.size++] = cell;
}

void ResultTable::releaseRowsBefore(qsizetype row)
{
    Q_ASSERT(row >= m_releasedRows && row <= rowCount());
    m_releasedRows = row;
    m_cells.releaseBefore(row * columnCount());
    // Where the row's bytes begin in the arena: at the offset of its first cell that has one (an integer held in
    // its cell keeps its value there instead), or at the end of the arena when no later cell has one.
    for (qsizetype cell = row * columnCount(); cell < m_cells.size; ++cell) {
        const Cell c = m_cells.items.get()[cell];
        if (Type(c.typeAndSize >> SizeBits) != Type::Integer || (c.typeAndSize & SizeMask) != 0) {
            m_arena.releaseBefore(c.offset);
            return;
        }
    }
    m_arena.releaseBefore(m_arena.size);
}

void ResultTable::squeeze()
{
    Q_ASSERT(columnCount() == 0 || m_cells.size % columnCount() == 0);
    m_arena.shrinkToFit();
    m_cells.shrinkToFit();
}

} // namespace tervala::rt
