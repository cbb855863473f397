// One statement reads the note at open, one per history (a record of an accented name may take a second). The key
// lookup folds the name with the connection's own ucase, the same function the importer folded the stored names with.
#include "popularity/PopularityFile.h"

#include "namedb/ConnectionString.h"

#include <QFileInfo>

namespace tervala {

std::unique_ptr<PopularityFile> PopularityFile::openIn(const QString& folder)
{
    if (!QFileInfo(folder + QLatin1Char('/') + PopularityFileName).isFile())
        return nullptr;
    std::unique_ptr<PopularityFile> file(new PopularityFile);
    file->m_connection.open(jetConnectionString(folder, PopularityFileName));
    const rt::Recordset note
        = file->m_connection.execute(QStringLiteral("select source, rows, first_year, last_year from about"));
    if (!note.eof()) {
        file->m_note.source = note.field(QStringLiteral("source")).toString();
        file->m_note.rows = note.field(QStringLiteral("rows")).toLongLong();
        file->m_note.firstYear = note.field(QStringLiteral("first_year")).toInt();
        file->m_note.lastYear = note.field(QStringLiteral("last_year")).toInt();
    }
    return file;
}

QList<YearCount> PopularityFile::history(const QString& name, Gender sex)
{
    rt::Recordset rows = m_connection.execute(
        QStringLiteral("select year, births, rank from births where name = ucase(?) and sex = ? order by year"),
        { name, genderCode(sex) });
    QList<YearCount> years;
    for (; !rows.eof(); rows.moveNext())
        years.append({ rows.field(0).toInt(), rows.field(1).toLongLong(), rows.field(2).toInt() });
    return years;
}

NameRecord PopularityFile::record(const QString& name, Gender sex)
{
    QList<YearCount> years = history(name, sex);
    const QString plain = withoutAccents(name);
    if (!years.isEmpty() || plain == name)
        return { years, name };
    QList<YearCount> plainYears = history(plain, sex);
    if (plainYears.isEmpty())
        return { years, name };
    return { plainYears, plain };
}

QString withoutAccents(const QString& text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    return plain.normalized(QString::NormalizationForm_C);
}

} // namespace tervala
