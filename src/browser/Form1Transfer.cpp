// Favourites that travel: export writes them to a CSV file, print sends them to a printer or a PDF file, import
// reads a file such as a partner's export and marks each listed name. An import reads and checks the whole file
// before it sends any statement, so a malformed file changes nothing.
#include "browser/FavouritesCsv.h"
#include "browser/FavouritesPrint.h"
#include "browser/Form1.h"
#include "namedb/Quoting.h"
#include "runtime/controls/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>

namespace tervala {

namespace {

const QString CsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");
// Not-found names listed in an import's report; more are only counted.
constexpr int NotFoundListed = 10;

QString fieldText(const rt::Recordset& rows, const char* column)
{
    return rows.field(QLatin1String(column)).toString();
}

} // namespace

std::vector<FavouriteName> Form1::readFavourites()
{
    std::vector<FavouriteName> names;
    rt::Recordset rows = connection().execute(
        QStringLiteral("select nama, arti, asal, jk from namabayi where fav=true order by nama, asal, jk"));
    for (; !rows.eof(); rows.moveNext())
        names.push_back(
            { fieldText(rows, "nama"), fieldText(rows, "arti"), fieldText(rows, "asal"), fieldText(rows, "jk") });
    return names;
}

void Form1::exportFavourites()
{
    const std::vector<FavouriteName> names = readFavourites();
    if (names.empty()) {
        rt::tell(this, tr("Export Favourites"), tr("There are no favourites to export yet."));
        return;
    }
    QString path = rt::askSaveFileName(this,
                                       tr("Export Favourites"),
                                       QDir::home().filePath(QStringLiteral("favourite-names.csv")),
                                       CsvFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    // Written aside and renamed when complete, so a failure never leaves half a file under the name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeFavouritesCsv(names)) < 0 || !file.commit()) {
        rt::tell(this, tr("Export Favourites"), tr("Cannot write %1: %2").arg(path, file.errorString()), true);
        return;
    }
    rt::tell(this, tr("Export Favourites"), tr("%1 favourites written to %2.").arg(names.size()).arg(path));
}

void Form1::printFavouriteList()
{
    const std::vector<FavouriteName> names = readFavourites();
    if (names.empty()) {
        rt::tell(this, tr("Print Favourites"), tr("There are no favourites to print yet."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Favourite names"));
    if (!rt::askPrinter(this, printer))
        return;
    printFavourites(names, printer);
}

void Form1::importFavourites()
{
    const QString path = rt::askOpenFileName(this, tr("Import Favourites"), CsvFilter);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        rt::tell(this, tr("Import Favourites"), tr("Cannot read %1: %2").arg(path, file.errorString()), true);
        return;
    }
    std::vector<FavouriteName> names;
    // Only the file's own faults are caught here; database errors go to the window's error report.
    try {
        names = readFavouritesCsv(file.readAll());
    } catch (const FavouritesCsvError& error) {
        rt::tell(
            this,
            tr("Import Favourites"),
            tr("%1 is not a favourites file: %2.\nNothing was changed.").arg(path, QString::fromUtf8(error.what())),
            true);
        return;
    }

    int added = 0;
    int already = 0;
    QStringList notFound;
    for (const FavouriteName& name : names) {
        switch (importFavourite(name)) {
        case ImportOutcome::New:
            ++added;
            break;
        case ImportOutcome::AlreadyFavourite:
            ++already;
            break;
        case ImportOutcome::NotFound:
            notFound << name.name + " (" + name.origin + ")";
            break;
        }
    }
    if (added > 0)
        emit favouritesChanged();
    QString report
        = tr("New favourites: %1\nAlready favourites: %2\nNot found: %3").arg(added).arg(already).arg(notFound.size());
    if (!notFound.isEmpty()) {
        report += u'\n' + notFound.mid(0, NotFoundListed).join(QStringLiteral(", "));
        if (notFound.size() > NotFoundListed)
            report += tr(" and %1 more").arg(notFound.size() - NotFoundListed);
    }
    rt::tell(this, tr("Import Favourites"), report);
}

Form1::ImportOutcome Form1::importFavourite(const FavouriteName& imported)
{
    QString where = " where nama='" + quoteSql(imported.name) + "' and asal='" + quoteSql(imported.origin) + "'";
    if (!imported.gender.isEmpty())
        where += " and jk='" + imported.gender + "'";
    rt::Recordset rows = connection().execute("select fav from namabayi" + where);
    if (rows.eof())
        return ImportOutcome::NotFound;
    for (; !rows.eof(); rows.moveNext()) {
        if (rows.field(QStringLiteral("fav")).toBool())
            return ImportOutcome::AlreadyFavourite;
    }
    const QString sql = "update namabayi set fav=not fav" + where;
    connection().execute(sql);
    std::optional<Gender> gender;
    if (!imported.gender.isEmpty())
        gender = imported.gender == u"M" ? Gender::Male : Gender::Female;
    const FavouriteChange change { sql, imported.name, imported.origin, gender, nullptr, 0, m_refreshRequests };
    flipMarksOf(change);
    m_favouriteChanges.push_back(change);
    m_undoFavourite->setEnabled(true);
    return ImportOutcome::New;
}

} // namespace tervala
