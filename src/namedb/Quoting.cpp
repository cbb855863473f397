// Only "'" ends a Jet string literal, so it is the only character that needs care.
#include "namedb/Quoting.h"

namespace tervala {

QString quoteSql(const QString& text)
{
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QLatin1String("''"));
}

} // namespace tervala
