// Scale data for the benchmarks: a "ter.va" of synthetic names, the builder's empty staging database, and a folder
// of list pages, all made from the same seed. The databases are written through RawDatabase in one transaction,
// so a million rows take seconds; the program's own layers never write benchmark data.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace tervala::bench {

// A name database at path (which must not exist) from data/ter.va.sql, holding rows synthetic names.
void writeNameDatabase(const QString& path, int rows);
// The builder's staging database at path (which must not exist) from data/db17000.sql, its tables empty.
void writeStagingDatabase(const QString& path);
// items list items, 250 to a page, as saved list pages in folder: Windows-1252 text with CRLF line ends, named
// "<gender>_<origin>_<page>.htm". Some names are bold and some meanings hold a tag, as the refinement expects.
void writeListPages(const QString& folder, int items);

// A new, empty folder below the benchmark work root, removed with the returned object. The root is
// $TERVALA_BENCH_DIR when set, else /dev/shm when it exists (so a commit costs no disk flush), else the temp folder.
std::unique_ptr<QTemporaryDir> makeWorkFolder();

} // namespace tervala::bench
