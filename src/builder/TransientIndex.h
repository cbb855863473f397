// An index in the program's own NOCASE collation, kept only while one piece of work needs it. The plain sqlite3
// tool orders non-ASCII text differently under that name: it would find such an index corrupt, and a row it
// wrote would corrupt the index for the program. So the index lives as long as its TransientIndex object, its
// name starts with TransientIndexPrefix, and the builder drops any that a program which died left behind when
// it opens the staging database.
#pragma once

#include <QString>

namespace tervala {

namespace rt {
class Connection;
}

inline const QString TransientIndexPrefix = QStringLiteral("tervala_transient_");

class TransientIndex {
public:
    // Makes the index TransientIndexPrefix + name on table(columns), columns in their declared collation. When
    // the file refuses it (read-only, locked), the work runs without it: slower, with the same results.
    TransientIndex(rt::Connection& connection, const QString& name, const QString& table, const QString& columns);
    // Drops the index on whatever file the connection has open; one it cannot drop is dropped at the next stage.
    ~TransientIndex();
    TransientIndex(const TransientIndex&) = delete;
    TransientIndex& operator=(const TransientIndex&) = delete;

private:
    rt::Connection& m_connection;
    QString m_name;
};

// Drops every index named TransientIndexPrefix... in the connection's open file, as far as the file allows.
void dropTransientIndexes(rt::Connection& connection);

} // namespace tervala
