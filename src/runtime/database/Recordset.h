// A forward-only result: the rows of one query, read from the first to the end.
// The rows are fetched when the statement runs, so reading them later never holds the database.
#pragma once

#include "runtime/database/ResultTable.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <memory>

namespace tervala::rt {

class Recordset {
public:
    Recordset();
    explicit Recordset(std::shared_ptr<ResultTable> table);

    // True when there is no current row: past the last row, or no rows at all.
    bool eof() const { return m_row >= m_rowCount; }
    // Throws DbError at eof, as ADO's MoveNext does. A recordset that alone holds a long result gives the rows
    // behind it back to the system as it moves on, so that a long list is not held twice while it is copied
    // elsewhere.
    void moveNext();

    // Field of the current row by column name (matched without regard to letter case) or by 0-based position.
    // A null value is a null QVariant (isNull()); text comes back as QString, integers as qlonglong.
    // Throws DbError at eof or for an unknown column.
    QVariant field(const QString& columnName) const;
    QVariant field(int position) const;
    // The UTF-8 bytes of a text field of the current row, by 0-based position, without a copy; they stay valid
    // while this recordset lives. Null and numbers give an empty view. Throws as field().
    QByteArrayView fieldUtf8(int position) const
    {
        requireField(position);
        return m_table->bytes(m_row, position);
    }
    // field(position).toBool(), without a QVariant for the common null or integer (a flag on every row of a
    // list). Throws as field().
    bool fieldIsTrue(int position) const;
    // The 0-based position of the named column (any letter case), or -1 when there is no such column or no
    // result: a loop over many rows looks its columns up once.
    int position(const QString& columnName) const;

private:
    // Throws as field() does when there is no current row or no column at position. Inline: a list reads its
    // fields on every row.
    void requireField(int position) const
    {
        if (eof() || position < 0 || position >= m_columnCount)
            throwNoField(position);
    }
    [[noreturn]] void throwNoField(int position) const;

    std::shared_ptr<ResultTable> m_table; // read only, but for giving back the rows behind a sole reader
    qsizetype m_rowCount = 0; // of m_table, asked once: every field read checks against it
    int m_columnCount = 0; // of m_table, asked once for the same reason
    qsizetype m_row = 0;
};

} // namespace tervala::rt
