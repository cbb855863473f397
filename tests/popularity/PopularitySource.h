// Small stand-ins for the US baby-name file: an SQLite file with the table usNameData of the real one, or with
// a table of the caller's making, and a few sample rows.
#pragma once

#include "TestDatabase.h"
#include "popularity/PopularityImport.h"

// id, name, sex, births, rank, year
using SourceRow = std::tuple<qint64, QString, QString, qint64, int, int>;

// Writes an SQLite file at path with the one table create makes, filled from rows.
inline void writeSourceFile(const QString& path,
                            const QList<SourceRow>& rows,
                            const QString& create = "create table usNameData(id integer primary key not null, name "
                                                    "text not null, sex text not null, births integer not null, rank "
                                                    "integer not null, year integer not null)")
{
    QFile(path).open(QIODevice::WriteOnly | QIODevice::Truncate);
    tervala::rt::Connection connection;
    connection.open(TestDatabase::connectionString(path));
    connection.execute(create);
    for (const auto& [id, name, sex, births, rank, year] : rows)
        connection.execute("insert into usNameData(id, name, sex, births, rank, year) values(?, ?, ?, ?, ?, ?)",
                           { id, name, sex, births, rank, year });
}

// A few names over three years, 2022 to 2024, with gaps between their ids. "zoë" keeps its accent; "jordan" is recorded
// for both sexes; "ada" is missing in 2024.
inline const QList<SourceRow> SampleRows = {
    { 1, "mary", "F", 5000, 2, 2022 },         { 2, "ada", "F", 3000, 5, 2022 },
    { 3, "jordan", "M", 900, 40, 2022 },       { 249999, "zoë", "F", 12, 900, 2022 },
    { 250000, "mary", "F", 6000, 1, 2023 },    { 250001, "ada", "F", 2500, 6, 2023 },
    { 250002, "jordan", "F", 80, 300, 2023 },  { 500000, "mary", "F", 4000, 3, 2024 },
    { 500001, "jordan", "M", 1200, 33, 2024 }, { 500002, "jordan", "F", 95, 280, 2024 },
    { 750001, "zoë", "F", 20, 700, 2024 },
};

// Imports rows into the popularity.db of folder, from a source file written beside it.
inline void importSourceRows(const QString& folder, const QList<SourceRow>& rows)
{
    writeSourceFile(folder + "/us.sqlite", rows);
    tervala::importPopularity(folder + "/us.sqlite", folder, [](const QString&) {});
}
