// The rows are read in slices of SliceRows rows in id order into a temporary table (one progress line each), so
// neither sparse ids nor ids at the ends of the 64-bit range change the work or overflow a bound; then they are
// written sorted by key into the WITHOUT ROWID table births: inserting them in the source's order (by year)
// instead would touch pages all over the tree and take several times as long. The temporary file has no
// journal and is not synced while it is written: it counts only once renamed, after the connection is closed
// and the whole file has been synced once, so not even a power cut can leave a torn file under the final name.
#include "popularity/PopularityImport.h"

#include "namedb/ConnectionString.h"
#include "runtime/database/Connection.h"
#include "runtime/database/DbError.h"
#include "runtime/hostfiles/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace tervala {

namespace {

const QString SourceTable = QStringLiteral("usNameData");
const QStringList SourceColumns = { QStringLiteral("id"),     QStringLiteral("name"), QStringLiteral("sex"),
                                    QStringLiteral("births"), QStringLiteral("rank"), QStringLiteral("year") };
// Rows per read slice: about ten progress lines for the full US table.
constexpr qint64 SliceRows = 250000;
// SQLite's result code for a full disk, and the free bytes below which a device counts as full: less than a
// few of its pages, which is where a write of the engine fails.
constexpr int SqliteFull = 13;
constexpr qint64 NearlyFullBytes = 64 * 1024;
// The first bytes of every SQLite database file.
const QByteArray SqliteHeader = QByteArrayLiteral("SQLite format 3\0");

const QString Schema[] = {
    QStringLiteral("create table about(source text not null, rows integer not null, first_year integer not null, "
                   "last_year integer not null)"),
    QStringLiteral("create table births(name text not null, sex text not null, year integer not null, "
                   "births integer not null, rank integer not null, primary key(name, sex, year)) without rowid"),
    QStringLiteral("create temp table staging(name text, sex text, year integer, births integer, rank integer)"),
};

QString grouped(qint64 number)
{
    return QLocale().toString(number);
}

// Removes the temporary file unless the import has renamed it; the connection must be closed first.
struct TemporaryFile {
    QString path;
    ~TemporaryFile() { QFile::remove(path); }
};

// Attaches sourcePath as "source" and checks that it holds the table with every column. SQLite would take a
// missing file for a new one and a file of another kind would fail only later, so both are checked first.
void attachSource(rt::Connection& connection, const QString& sourcePath)
{
    QFile file(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !file.open(QIODevice::ReadOnly)) {
        // A name given with bytes that are not UTF-8 reaches the program with them replaced: it cannot be opened.
        if (sourcePath.contains(QChar::ReplacementCharacter))
            throw rt::FileError(
                sourcePath,
                QCoreApplication::translate("PopularityImport",
                                            "The file name holds bytes that are not UTF-8; rename the file"));
        throw rt::FileError(sourcePath, QCoreApplication::translate("PopularityImport", "No such file"));
    }
    if (file.read(SqliteHeader.size()) != SqliteHeader)
        throw rt::FileError(sourcePath, QCoreApplication::translate("PopularityImport", "Not an SQLite database file"));
    connection.execute(QStringLiteral("attach database ? as source"), { sourcePath });

    QStringList present;
    rt::Recordset columns
        = connection.execute(QStringLiteral("select name from pragma_table_info(?, 'source')"), { SourceTable });
    for (; !columns.eof(); columns.moveNext())
        present.append(columns.field(0).toString().toLower());
    if (present.isEmpty())
        throw rt::FileError(
            sourcePath,
            QCoreApplication::translate("PopularityImport", "No table %1 in the file").arg(SourceTable));
    QStringList missing;
    for (const QString& column : SourceColumns) {
        if (!present.contains(column))
            missing.append(column);
    }
    if (!missing.isEmpty())
        throw rt::FileError(sourcePath,
                            QCoreApplication::translate("PopularityImport", "The table %1 lacks the column(s) %2")
                                .arg(SourceTable, missing.join(", ")));
}

void syncToDisk(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || ::fsync(file.handle()) != 0)
        throw rt::FileError(path, QCoreApplication::translate("PopularityImport", "Cannot be written to disk"));
}

// Writes the import into the file temporaryName of folder, an empty database, and returns its note.
PopularityNote writePopularityFile(const QString& sourcePath,
                                   const QString& folder,
                                   const QString& temporaryName,
                                   const ImportProgress& progress)
{
    PopularityNote note;
    note.source = QFileInfo(sourcePath).fileName();
    rt::Connection connection;
    connection.open(jetConnectionString(folder, temporaryName));
    connection.execute(QStringLiteral("pragma journal_mode = off"));
    connection.execute(QStringLiteral("pragma synchronous = off"));
    attachSource(connection, sourcePath);

    const rt::Recordset extent
        = connection.execute(QStringLiteral("select count(*), min(id), max(id), min(year), max(year), "
                                            "sum(typeof(id) <> 'integer') from source.usNameData"));
    note.rows = extent.field(0).toLongLong();
    if (note.rows == 0)
        throw rt::FileError(
            sourcePath,
            QCoreApplication::translate("PopularityImport", "The table %1 holds no rows").arg(SourceTable));
    // Such a row would be left out of every slice, yet counted in the note.
    if (const qint64 badIds = extent.field(5).toLongLong(); badIds > 0) {
        const int count = int(std::min(badIds, qint64(INT_MAX)));
        throw rt::FileError(sourcePath,
                            QCoreApplication::translate("PopularityImport",
                                                        "%Ln row(s) of the table %1 have an id that is not an integer",
                                                        nullptr,
                                                        count)
                                .arg(SourceTable));
    }
    const qint64 firstId = extent.field(1).toLongLong();
    const qint64 lastId = extent.field(2).toLongLong();
    note.firstYear = extent.field(3).toInt();
    note.lastYear = extent.field(4).toInt();
    progress(QCoreApplication::translate("PopularityImport", "Importing %1 rows of %2, years %3 to %4")
                 .arg(grouped(note.rows), note.source)
                 .arg(note.firstYear)
                 .arg(note.lastYear));

    for (const QString& statement : Schema)
        connection.execute(statement);
    for (qint64 low = firstId;;) {
        // The slice ends at the id SliceRows rows on, or at the last id; rows sharing an id stay together.
        const rt::Recordset end = connection.execute(
            QStringLiteral("select id from source.usNameData where id >= ? order by id limit 1 offset ?"),
            { low, SliceRows - 1 });
        const qint64 high = end.eof() ? lastId : end.field(0).toLongLong();
        connection.execute(QStringLiteral("insert into staging select ucase(name), sex, year, births, rank "
                                          "from source.usNameData where id between ? and ?"),
                           { low, high });
        const qint64 read = connection.execute(QStringLiteral("select count(*) from staging")).field(0).toLongLong();
        progress(QCoreApplication::translate("PopularityImport", "Read %1%").arg(read * 100 / note.rows));
        if (high == lastId)
            break;
        low = high + 1;
    }
    progress(QCoreApplication::translate("PopularityImport", "Sorting by name and writing %1").arg(PopularityFileName));
    connection.execute(QStringLiteral("insert into births select name, sex, year, births, rank from staging "
                                      "order by name, sex, year"));
    connection.execute(QStringLiteral("insert into about values(?, ?, ?, ?)"),
                       { note.source, note.rows, note.firstYear, note.lastYear });
    return note;
}

} // namespace

QString lockFailureReason(QLockFile::LockError error, qint64 bytesAvailable)
{
    if (error == QLockFile::LockFailedError)
        return QCoreApplication::translate("PopularityImport", "Another import of popularity data is writing");
    if (bytesAvailable == 0)
        return QCoreApplication::translate("PopularityImport", "No space left on the device of the folder");
    if (error == QLockFile::PermissionError)
        return QCoreApplication::translate("PopularityImport", "Cannot write in the folder");
    return QCoreApplication::translate("PopularityImport", "Cannot make a file in the folder");
}

PopularityNote importPopularity(const QString& sourcePath, const QString& folder, const ImportProgress& progress)
{
    const QString finalPath = folder + QLatin1Char('/') + PopularityFileName;
    QLockFile lock(finalPath + QStringLiteral(".lock"));
    if (!lock.tryLock(0)) {
        const QString reason = lockFailureReason(lock.error(), QStorageInfo(folder).bytesAvailable());
        throw rt::FileError(lock.error() == QLockFile::LockFailedError ? finalPath : folder, reason);
    }

    const QString temporaryName = PopularityFileName + QStringLiteral(".importing");
    const TemporaryFile temporary { folder + QLatin1Char('/') + temporaryName };
    {
        // A leftover of an import that was killed is replaced; SQLite takes an empty file for an empty database.
        QFile file(temporary.path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw rt::FileError(temporary.path, file.errorString());
    }

    PopularityNote note;
    try {
        note = writePopularityFile(sourcePath, folder, temporaryName, progress);
    } catch (const rt::DbError& error) {
        // The engine says only "database or disk is full", and its temporary files may lie elsewhere: the
        // folder is named when its own device is the one that is full.
        if (error.code() != SqliteFull || QStorageInfo(folder).bytesAvailable() >= NearlyFullBytes)
            throw;
        throw rt::FileError(
            folder,
            QCoreApplication::translate("PopularityImport", "No space left on the device of the folder"));
    }

    syncToDisk(temporary.path);
    // rename(2) replaces the old file in one step: a reader sees the old file or the new one, never a mix.
    if (std::rename(QFile::encodeName(temporary.path).constData(), QFile::encodeName(finalPath).constData()) != 0)
        throw rt::FileError(finalPath, QString::fromLocal8Bit(std::strerror(errno)));
    progress(QCoreApplication::translate("PopularityImport", "Done: %1").arg(QDir::toNativeSeparators(finalPath)));
    return note;
}

} // namespace tervala
