// How the program opens an SQLite file, in one place so that the benchmarks' floor opens its files the same way
// and pays neither more nor less for the engine's settings than the program does. Include it only where
// <sqlite3.h> may be included.
#pragma once

#include <sqlite3.h>

namespace tervala::rt {

// A connection is used by one thread only: SQLite's per-connection mutex is left out.
constexpr int OpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;

// A list rebuild reads the table once to count and once for the rows: a cache that holds 100,000 names reads the
// file from disk once. SQLite's default holds 2 MiB.
constexpr const char* PageCacheSize = "pragma cache_size=-16384"; // KiB

// SQLite counts every allocation under a process-wide mutex, for statistics the program never reads. Leaving
// them out is only possible before SQLite's first use; later calls change nothing.
inline void leaveOutMemoryStatistics()
{
    static const bool leftOut = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)leftOut;
}

} // namespace tervala::rt
