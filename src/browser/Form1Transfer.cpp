// Favourites that travel: export writes them to a CSV file, print sends them to a printer or a PDF file, import
// reads a file such as a partner's export and marks each listed name. An import reads and checks the whole file
// (of at most MaxImportBytes, so memory stays bounded) before it sends any statement, so a malformed file changes
// nothing; its marks are made in one transaction, so a failure, a lock that outlasts the wait or a cancel leaves
// none of them, and the marks on screen and the undo list change only once it has committed.
#include "browser/FavouritesCsv.h"
#include "browser/FavouritesPrint.h"
#include "browser/Form1.h"
#include "namedb/Quoting.h"
#include "runtime/controls/Dialogs.h"
#include "runtime/database/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>

namespace tervala {

namespace {

const QString CsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");
// Not-found names listed in an import's report; more are only counted.
constexpr int NotFoundListed = 10;
// The largest favourites file an import reads, in bytes: every name of a large data set with its meaning fits.
constexpr qint64 MaxImportBytes = 8 * 1024 * 1024;
// An import of this many names or more shows its progress and can be cancelled.
constexpr int LongImport = 500;
// SQLite's result codes for a database that another connection keeps locked.
constexpr int BusyCode = 5;
constexpr int LockedCode = 6;

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
    // One byte past the bound tells a file too large, also one whose size says nothing (a pipe, a device).
    const QByteArray bytes = file.read(MaxImportBytes + 1);
    if (bytes.size() > MaxImportBytes) {
        rt::tell(this,
                 tr("Import Favourites"),
                 tr("%1 is larger than %2 MB, more than a favourites file holds.\nNothing was changed.")
                     .arg(path)
                     .arg(MaxImportBytes / (1024 * 1024)),
                 true);
        return;
    }
    std::vector<FavouriteName> names;
    // Only the file's own faults are caught here; database errors go to the window's error report.
    try {
        names = readFavouritesCsv(bytes);
    } catch (const FavouritesCsvError& error) {
        rt::tell(
            this,
            tr("Import Favourites"),
            tr("%1 is not a favourites file: %2.\nNothing was changed.").arg(path, QString::fromUtf8(error.what())),
            true);
        return;
    }

    std::optional<ImportCounts> counts;
    // A lock another program holds longer than the connection waits ends the import, not the program; any
    // other database error is the window's error report.
    try {
        counts = markImportedFavourites(names);
    } catch (const rt::DbError& error) {
        if (error.code() != BusyCode && error.code() != LockedCode)
            throw;
        rt::tell(this,
                 tr("Import Favourites"),
                 tr("Another program kept the name database locked: %1.\nNothing was changed.").arg(error.message()),
                 true);
        return;
    }
    if (!counts) {
        rt::tell(this, tr("Import Favourites"), tr("The import was cancelled.\nNothing was changed."));
        return;
    }
    for (const FavouriteChange& change : counts->changes) {
        flipMarksOf(change);
        m_favouriteChanges.push_back(change);
    }
    m_undoFavourite->setEnabled(!m_favouriteChanges.empty());

    QString report = tr("New favourites: %1\nAlready favourites: %2\nNot found: %3")
                         .arg(counts->added)
                         .arg(counts->already)
                         .arg(counts->notFound.size());
    if (!counts->notFound.isEmpty()) {
        report += u'\n' + counts->notFound.mid(0, NotFoundListed).join(QStringLiteral(", "));
        if (counts->notFound.size() > NotFoundListed)
            report += tr(" and %1 more").arg(counts->notFound.size() - NotFoundListed);
    }
    rt::tell(this, tr("Import Favourites"), report);
}

std::optional<Form1::ImportCounts> Form1::markImportedFavourites(const std::vector<FavouriteName>& names)
{
    const int total = static_cast<int>(names.size());
    std::unique_ptr<QProgressDialog> progress;
    if (total >= LongImport) {
        // Window-modal: while it yields, the browser takes no input that could send a statement of its own.
        progress = std::make_unique<QProgressDialog>(tr("Importing favourites…"), tr("Cancel"), 0, total, this);
        progress->setObjectName(QStringLiteral("importProgress"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    // Immediate: the write lock is taken, or waited for, before the first mark.
    connection().execute(QStringLiteral("begin immediate"));
    ImportCounts counts;
    try {
        for (int i = 0; i < total; ++i) {
            if (progress) {
                progress->setValue(i);
                if (progress->wasCanceled()) {
                    connection().execute(QStringLiteral("rollback"));
                    return std::nullopt;
                }
            }
            const FavouriteName& name = names[static_cast<size_t>(i)];
            switch (importFavourite(name, counts)) {
            case ImportOutcome::New:
                ++counts.added;
                break;
            case ImportOutcome::AlreadyFavourite:
                ++counts.already;
                break;
            case ImportOutcome::NotFound:
                counts.notFound << name.name + " (" + name.origin + ")";
                break;
            }
        }
        connection().execute(QStringLiteral("commit"));
    } catch (const rt::DbError&) {
        rollBackAfterFailure();
        throw;
    }
    return counts;
}

Form1::ImportOutcome Form1::importFavourite(const FavouriteName& imported, ImportCounts& counts)
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
    counts.changes.push_back({ sql, imported.name, imported.origin, gender, nullptr, 0, m_refreshRequests });
    return ImportOutcome::New;
}

void Form1::rollBackAfterFailure()
{
    try {
        connection().execute(QStringLiteral("rollback"));
    } catch (const rt::DbError&) {
        // The engine ends the transaction itself after some failures (a full disk); then there is none to end.
    }
}

} // namespace tervala
