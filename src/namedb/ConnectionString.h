// Connection strings for the two database files, which lie in the program folder.
#pragma once

#include <QString>

namespace tervala {

// The names database: names, meanings, origins and the user's favourites.
inline const QString NameDatabaseFile = QStringLiteral("ter.va");
// The builder's staging database.
inline const QString StagingDatabaseFile = QStringLiteral("db17000.mdb");

// "provider=Microsoft.jet.oledb.4.0;data source=<programFolder>\<databaseFileName>;". The program folder has
// no trailing separator; it is written as given, whatever characters it holds.
QString jetConnectionString(const QString& programFolder, const QString& databaseFileName);

} // namespace tervala
