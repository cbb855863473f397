#include "builder/RowInsert.h"

#include "builder/TextCleanup.h"
#include "namedb/Quoting.h"

namespace tervala {

QString trimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString composeRowInsert(const QString& table, const StagingRow& row)
{
    return "insert into " + table + "(nama,arti,asal,jk) VALUES('" + quoteSql(trimSpaces(row.name)) + "','"
        + quoteSql(trimSpaces(row.meaning)) + "','" + trimSpaces(row.origin) + "','" + firstCharacter(row.gender)
        + "')";
}

} // namespace tervala
