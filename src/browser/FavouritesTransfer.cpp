// An import reads and checks the whole file (of at most MaxImportBytes, so memory stays bounded) before it sends
// any statement, so a malformed file changes nothing; its marks are made in one transaction, so a failure, a lock
// that outlasts the wait or a cancel leaves none of them, and the marks on screen and the undo list change only
// once it has committed.
#include "browser/FavouritesTransfer.h"

#include "browser/FavouritesPrint.h"
#include "runtime/controls/Dialogs.h"
#include "runtime/database/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QWidget>

namespace tervala {

namespace {

const char* const CsvFilter = QT_TRANSLATE_NOOP("tervala::FavouritesTransfer", "CSV files (*.csv);;All files (*)");
// Not-found names listed in an import's report; more are only counted.
constexpr int NotFoundListed = 10;
// The largest favourites file an import reads, in bytes: every name of a large data set with its meaning fits.
constexpr qint64 MaxImportBytes = 8 * 1024 * 1024;
// An import of this many names or more shows its progress and can be cancelled.
constexpr int LongImport = 500;
// SQLite's result codes for a database that another connection keeps locked.
constexpr int BusyCode = 5;
constexpr int LockedCode = 6;

} // namespace

FavouritesTransfer::FavouritesTransfer(QWidget* window,
                                       std::function<rt::Connection&()> connection,
                                       std::function<void(const std::vector<ImportCounts::Mark>&)> marked)
    : QObject(window)
    , m_window(window)
    , m_connection(std::move(connection))
    , m_marked(std::move(marked))
{
}

void FavouritesTransfer::exportFavourites()
{
    const std::vector<NameRow> names = readFavourites(m_connection());
    if (names.empty()) {
        rt::tell(m_window, tr("Export Favourites"), tr("There are no favourites to export yet."));
        return;
    }
    QString path = rt::askSaveFileName(m_window,
                                       tr("Export Favourites"),
                                       QDir::home().filePath(QStringLiteral("favourite-names.csv")),
                                       tr(CsvFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    // Written aside and renamed when complete, so a failure never leaves half a file under the name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeFavouritesCsv(names)) < 0 || !file.commit()) {
        rt::tell(m_window, tr("Export Favourites"), tr("Cannot write %1: %2").arg(path, file.errorString()), true);
        return;
    }
    rt::tell(m_window, tr("Export Favourites"), tr("%1 favourites written to %2.").arg(names.size()).arg(path));
}

void FavouritesTransfer::printFavouriteList()
{
    const std::vector<NameRow> names = readFavourites(m_connection());
    if (names.empty()) {
        rt::tell(m_window, tr("Print Favourites"), tr("There are no favourites to print yet."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Favourite names"));
    if (!rt::askPrinter(m_window, printer))
        return;
    printFavourites(names, printer);
}

void FavouritesTransfer::importFavourites()
{
    const QString path = rt::askOpenFileName(m_window, tr("Import Favourites"), tr(CsvFilter));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        rt::tell(m_window, tr("Import Favourites"), tr("Cannot read %1: %2").arg(path, file.errorString()), true);
        return;
    }
    // One byte past the bound tells a file too large, also one whose size says nothing (a pipe, a device).
    const QByteArray bytes = file.read(MaxImportBytes + 1);
    if (bytes.size() > MaxImportBytes) {
        rt::tell(m_window,
                 tr("Import Favourites"),
                 tr("%1 is larger than %2 MB, more than a favourites file holds.\nNothing was changed.")
                     .arg(path)
                     .arg(MaxImportBytes / (1024 * 1024)),
                 true);
        return;
    }
    std::vector<FavouriteRecord> names;
    // Only the file's own faults are caught here; database errors go to the window's error report.
    try {
        names = readFavouritesCsv(bytes);
    } catch (const FavouritesCsvError& error) {
        rt::tell(
            m_window,
            tr("Import Favourites"),
            tr("%1 is not a favourites file: %2.\nNothing was changed.").arg(path, QString::fromUtf8(error.what())),
            true);
        return;
    }

    std::optional<ImportCounts> counts;
    // A lock another program holds longer than the connection waits ends the import, not the program; any
    // other database error is the window's error report.
    try {
        counts = markWithProgress(names);
    } catch (const rt::DbError& error) {
        if (error.code() != BusyCode && error.code() != LockedCode)
            throw;
        rt::tell(m_window,
                 tr("Import Favourites"),
                 tr("Another program kept the name database locked: %1.\nNothing was changed.").arg(error.message()),
                 true);
        return;
    }
    if (!counts) {
        rt::tell(m_window, tr("Import Favourites"), tr("The import was cancelled.\nNothing was changed."));
        return;
    }
    m_marked(counts->marks);

    QString report = tr("New favourites: %1\nAlready favourites: %2\nNot found: %3")
                         .arg(counts->added)
                         .arg(counts->already)
                         .arg(counts->notFound.size());
    if (!counts->notFound.isEmpty()) {
        report += u'\n' + counts->notFound.mid(0, NotFoundListed).join(QStringLiteral(", "));
        if (counts->notFound.size() > NotFoundListed)
            report += tr(" and %1 more").arg(counts->notFound.size() - NotFoundListed);
    }
    rt::tell(m_window, tr("Import Favourites"), report);
}

std::optional<ImportCounts> FavouritesTransfer::markWithProgress(const std::vector<FavouriteRecord>& records)
{
    const int total = static_cast<int>(records.size());
    std::unique_ptr<QProgressDialog> progress;
    if (total >= LongImport) {
        // Window-modal: while it yields, the browser takes no input that could send a statement of its own.
        progress = std::make_unique<QProgressDialog>(tr("Importing favourites…"), tr("Cancel"), 0, total, m_window);
        progress->setObjectName(QStringLiteral("importProgress"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    return markImportedFavourites(m_connection(), records, [&](int done) {
        if (!progress)
            return true;
        progress->setValue(done);
        return !progress->wasCanceled();
    });
}

} // namespace tervala
