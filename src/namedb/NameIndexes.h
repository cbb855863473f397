// The index the name database gains when the browser opens it: namabayi's origins in the binary collation. The
// plain sqlite3 tool and the program order binary text alike, so the tool finds the index sound and keeps it up
// to date when it writes a row. A binary index cannot serve a comparison or an order in the columns' NOCASE
// collation: it serves the origin list as a narrow, presorted copy of the one column that list reads.
#pragma once

namespace tervala {

namespace rt {
class Connection;
}

// Adds the index to the open name database unless it is there. A file that refuses it (read-only, locked) stays
// as it is: the origin list then reads the table, with the same entries.
void addNameIndexes(rt::Connection& connection);

} // namespace tervala
