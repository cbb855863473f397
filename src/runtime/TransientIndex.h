// An index in the program's own NOCASE collation, kept only while one piece of work needs it. The plain sqlite3
// tool orders non-ASCII text differently under that name: it would find such an index corrupt, and a row it
// wrote would corrupt the index for the program. So the index lives as long as its TransientIndex object, its
// name starts with TransientIndexPrefix, and Connection::open() drops any that a program which died left behind.
#pragma once

#include <QString>

namespace tervala::rt {

class Connection;

inline const QString TransientIndexPrefix = QStringLiteral("tervala_transient_");

class TransientIndex {
public:
    // Makes the index TransientIndexPrefix + name on table(columns), columns in their declared collation. When
    // the file refuses it (read-only, locked), the work runs without it: slower, with the same results.
    TransientIndex(Connection& connection, const QString& name, const QString& table, const QString& columns);
    // Drops the index on whatever file the connection has open; an index it cannot drop the next open drops.
    ~TransientIndex();
    TransientIndex(const TransientIndex&) = delete;
    TransientIndex& operator=(const TransientIndex&) = delete;

private:
    Connection& m_connection;
    QString m_name;
};

// Drops every index named TransientIndexPrefix... in the connection's open file, as far as the file allows.
void dropTransientIndexes(Connection& connection);

} // namespace tervala::rt
