// Every statement goes through Connection::executeUntraced(): the trace holds the statements of the program's
// actions only. Failures are swallowed on purpose: an index missing or left behind changes speed, not results.
#include "builder/TransientIndex.h"

#include "runtime/database/Connection.h"
#include "runtime/database/DbError.h"

namespace tervala {

using rt::Connection;
using rt::DbError;
using rt::Recordset;

namespace {

void dropIndex(Connection& connection, const QString& name)
{
    try {
        connection.executeUntraced("drop index if exists \"" + name + '"');
    } catch (const DbError&) {
        // Closed, read-only or locked: the next stage tries again.
    }
}

} // namespace

TransientIndex::TransientIndex(Connection& connection,
                               const QString& name,
                               const QString& table,
                               const QString& columns)
    : m_connection(connection)
    , m_name(TransientIndexPrefix + name)
{
    try {
        m_connection.executeUntraced("create index if not exists \"" + m_name + "\" on " + table + '(' + columns + ')');
    } catch (const DbError&) {
        // Without the index every lookup scans the table: slower, the same rows.
    }
}

TransientIndex::~TransientIndex()
{
    dropIndex(m_connection, m_name);
}

void dropTransientIndexes(Connection& connection)
{
    // The names are read in full before the first drop changes the schema.
    QStringList names;
    try {
        for (Recordset rows = connection.executeUntraced(
                 "select name from sqlite_master where type = 'index' and substr(name, 1, "
                 + QString::number(TransientIndexPrefix.size()) + ") = '" + TransientIndexPrefix + "'");
             !rows.eof();
             rows.moveNext())
            names << rows.field(0).toString();
    } catch (const DbError&) {
        return;
    }
    for (const QString& name : names)
        dropIndex(connection, name);
}

} // namespace tervala
