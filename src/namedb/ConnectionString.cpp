// The folder is joined with "\" as on Windows; the connection maps it to a host path when it opens.
#include "namedb/ConnectionString.h"

namespace tervala {

QString jetConnectionString(const QString& programFolder, const QString& databaseFileName)
{
    return QStringLiteral("provider=Microsoft.jet.oledb.4.0;data source=") + programFolder + QLatin1Char('\\')
        + databaseFileName + QLatin1Char(';');
}

} // namespace tervala
