// The rows of one query, held compactly: every value lives in one byte arena, row after row (text as UTF-8,
// integers in the fewest of 1, 2, 4 or 8 bytes that hold them, reals in 8), and each cell is 4 bytes, its type and
// byte count; each row keeps where its first value begins, and a cell's value follows those of the cells before it
// in its row. Rows are only appended, always a whole row of columnCount() cells; the table is read-only once a
// Recordset holds it, but for giving back the memory of rows its one reader has passed.
#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QVariant>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <type_traits>

namespace tervala::rt {

struct ResultTable {
    enum class Type : quint32 { Null, Integer, Real, Text, Blob };

    explicit ResultTable(QStringList columnNames);

    int columnCount() const { return int(m_columnNames.size()); }
    qsizetype rowCount() const { return columnCount() == 0 ? 0 : m_cells.size / columnCount(); }
    // The position of the column named so (any letter case), or -1.
    int columnIndex(const QString& name) const;
    QVariant value(qsizetype row, int column) const;
    // The bytes of a text or blob cell as stored, without a copy; an empty view for null and for a number.
    QByteArrayView bytes(qsizetype row, int column) const
    {
        const Type type = Type(cell(row, column) >> SizeBits);
        if (type != Type::Text && type != Type::Blob)
            return {};
        return QByteArrayView(m_arena.items.get() + offsetOf(row, column), qsizetype(cell(row, column) & SizeMask));
    }

    // For a null cell false, for an integer whether it is not 0, for any other cell no answer.
    std::optional<bool> integerIsNonZero(qsizetype row, int column) const;

    // Append the next cell of the current row. Return false when the arena would pass 4 GiB or a value
    // 512 MiB: the caller reports the result as too large.
    bool appendNull();
    bool appendInteger(qint64 value);
    bool appendReal(double value);
    // Inline: a result appends every cell of every row through it.
    bool appendBytes(Type type, const char* data, qsizetype size)
    {
        const qsizetype offset = m_arena.size;
        if (size > qsizetype(SizeMask) || offset + size > qsizetype(std::numeric_limits<quint32>::max()))
            return false;
        if (m_cellsOfRow == 0) {
            m_rowStarts.reserveFor(1);
            m_rowStarts.items.get()[m_rowStarts.size++] = quint32(offset);
        }
        m_cellsOfRow = m_cellsOfRow + 1 == columnCount() ? 0 : m_cellsOfRow + 1;
        m_cells.reserveFor(1);
        m_cells.items.get()[m_cells.size++] = (quint32(type) << SizeBits) | quint32(size);
        if (size > 0) {
            m_arena.reserveFor(size);
            std::memcpy(m_arena.items.get() + offset, data, size_t(size));
            m_arena.size += size;
        }
        return true;
    }
    // Gives back the room reserved for growth once the last row is in.
    void squeeze();
    // Gives the memory of the rows before row back to the system, in whole pages; they must never be read again.
    // A forward-only reader that alone holds the table calls it as it moves on.
    void releaseRowsBefore(qsizetype row);

private:
    static constexpr int SizeBits = 29;
    static constexpr quint32 SizeMask = (quint32(1) << SizeBits) - 1;

    using Cell = quint32; // type in the top 3 bits, byte count below

    Cell cell(qsizetype row, int column) const
    {
        Q_ASSERT(row >= m_releasedRows && row < rowCount() && column >= 0 && column < columnCount());
        return m_cells.items.get()[row * columnCount() + column];
    }
    // Where the value of the cell begins in the arena.
    qsizetype offsetOf(qsizetype row, int column) const
    {
        const Cell* cells = m_cells.items.get() + row * columnCount();
        qsizetype offset = m_rowStarts.items.get()[row];
        for (int before = 0; before < column; ++before)
            offset += cells[before] & SizeMask;
        return offset;
    }

    // Plain items in one block that realloc grows geometrically, so a large result is not copied while it grows
    // and an append is a bounds check and a copy.
    template <class T> struct Growing {
        static_assert(std::is_trivially_copyable_v<T>);
        struct Free {
            void operator()(T* block) const { std::free(block); }
        };
        std::unique_ptr<T, Free> items;
        qsizetype size = 0;
        qsizetype capacity = 0;

        // Makes room for more items after size; throws std::bad_alloc when there is none.
        void reserveFor(qsizetype more)
        {
            if (size + more > capacity)
                grow(more);
        }
        void grow(qsizetype more);
        void shrinkToFit();
        // Gives the whole pages below item count back to the system; the block stays allocated.
        void releaseBefore(qsizetype count);
        quintptr releasedUpTo = 0; // address up to which pages were given back
    };

    QStringList m_columnNames;
    Growing<char> m_arena;
    Growing<Cell> m_cells;
    Growing<quint32> m_rowStarts; // arena offset of each row's first value
    qsizetype m_releasedRows = 0; // rows before this one are given back
    int m_cellsOfRow = 0; // cells of the last row appended so far; 0 once it is whole
};

} // namespace tervala::rt
