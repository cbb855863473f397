// Reading never touches the engine: the table was filled when the statement ran.
#include "runtime/database/Recordset.h"

#include "runtime/database/DbError.h"

#include <sqlite3.h>

namespace tervala::rt {

namespace {

// Rows are given back in blocks of this many, a megabyte or so of a name list, and only by a result of at least
// ReleaseFromRows rows: pages given back are faulted in again by the next result, which costs a list of tens of
// thousands of rows more than holding its few megabytes does.
constexpr qsizetype ReleaseEveryRows = 16384;
constexpr qsizetype ReleaseFromRows = 16 * ReleaseEveryRows;

[[noreturn]] void throwAtEof()
{
    throw DbError(SQLITE_MISUSE, QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
}

[[noreturn]] void throwNoSuchField(const QString& field)
{
    throw DbError(SQLITE_RANGE,
                  QStringLiteral("Item cannot be found in the collection corresponding to the requested name or "
                                 "ordinal: %1")
                      .arg(field));
}

} // namespace

Recordset::Recordset() = default;

Recordset::Recordset(std::shared_ptr<ResultTable> table)
    : m_table(std::move(table))
    , m_rowCount(m_table ? m_table->rowCount() : 0)
    , m_columnCount(m_table ? m_table->columnCount() : 0)
{
}

void Recordset::moveNext()
{
    if (eof())
        throwAtEof();
    ++m_row;
    // A copy made earlier may still read rows behind this one; a copy made later starts here.
    if (m_row % ReleaseEveryRows == 0 && m_rowCount >= ReleaseFromRows && m_table.use_count() == 1)
        m_table->releaseRowsBefore(m_row);
}

QVariant Recordset::field(const QString& columnName) const
{
    if (eof())
        throwAtEof();
    const int column = m_table->columnIndex(columnName);
    if (column < 0)
        throwNoSuchField(columnName);
    return m_table->value(m_row, column);
}

bool Recordset::fieldIsTrue(int position) const
{
    requireField(position);
    if (const std::optional<bool> isTrue = m_table->integerIsNonZero(m_row, position))
        return *isTrue;
    return m_table->value(m_row, position).toBool();
}

int Recordset::position(const QString& columnName) const
{
    return m_table ? m_table->columnIndex(columnName) : -1;
}

QVariant Recordset::field(int position) const
{
    requireField(position);
    return m_table->value(m_row, position);
}

void Recordset::throwNoField(int position) const
{
    if (eof())
        throwAtEof();
    throwNoSuchField(QString::number(position));
}

} // namespace tervala::rt
