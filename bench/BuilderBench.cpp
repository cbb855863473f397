// bench_builder: the builder stages through the real window (offscreen) over 20,000 list items (or the count
// given): the list page import (Command2), the refinement (Command3) and the merge (Command4), each from its
// click to its end, in rows written per second. Beside each, the floor: the same statements, composed by the
// builder's own functions from the same data, run one at a time through the SQLite C API in autocommit, as the
// stage runs them, on a second staging database. The statements are composed before the floor's clock starts.
// Every commit of both is a file write: on a disk that flushes, both are bound by the flush (see README.md).
#include "bench/Measurement.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "builder/BuilderFolders.h"
#include "builder/Form2.h"
#include "builder/ListImport.h"
#include "builder/Merge.h"
#include "builder/PageText.h"
#include "builder/Refinement.h"
#include "namedb/ConnectionString.h"
#include "runtime/CommandButton.h"
#include "runtime/Connection.h"
#include "runtime/FolderListing.h"
#include "runtime/WindowsPath.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <utility>

using namespace tervala;
using namespace tervala::bench;

namespace {

const QString FloorDatabase = QStringLiteral("floor.mdb");

struct Timed {
    double seconds;
    qint64 rows;
};

Timed clickAndCount(rt::CommandButton* button, const QString& databasePath, const QString& table)
{
    QElapsedTimer timer;
    timer.start();
    button->click();
    settle();
    const double seconds = millisecondsSince(timer) / 1000;
    return { seconds, RawDatabase(databasePath).stepAll("select nama from " + table) };
}

// Runs statements with SQLite alone: the first is the stage's opening statement, the rest its row inserts.
Timed runFloor(const QString& databasePath, const QStringList& statements, const QString& table)
{
    RawDatabase db(databasePath);
    QElapsedTimer timer;
    timer.start();
    for (const QString& statement : statements)
        db.stepAll(statement);
    const double seconds = millisecondsSince(timer) / 1000;
    return { seconds, db.stepAll("select nama from " + table) };
}

QStringList listImportStatements(const QString& programFolder)
{
    QStringList statements { QStringLiteral("delete from bayi20000") };
    const QString folder = rt::toHostPath(programFolder, ListPageFolder);
    for (const rt::FolderEntry& page : rt::listFolder(folder, rt::FolderEntries::Files)) {
        const QString origin = originFromFileName(page.name);
        const QString gender = genderFromFileName(page.name);
        walkListPage(readPageText(page.hostPath), [&](const ListItem& item) {
            if (item.writesRow())
                statements << composeRowInsert(QStringLiteral("bayi20000"),
                                               { item.name, item.meaning, origin, gender });
        });
    }
    return statements;
}

void forEachStagingRow(const QString& programFolder, const QString& table, const std::function<void(StagingRow)>& use)
{
    rt::Connection connection;
    connection.open(jetConnectionString(programFolder, FloorDatabase));
    for (rt::Recordset rows = connection.execute("select * from " + table); !rows.eof(); rows.moveNext())
        use({ rows.field("nama").toString(),
              rows.field("arti").toString(),
              rows.field("asal").toString(),
              rows.field("jk").toString() });
}

// The merge asks before every insert, so its floor asks too: the duplicate test, then the insert when no row came.
Timed mergeFloor(const QString& programFolder)
{
    QList<std::pair<QString, QString>> steps;
    forEachStagingRow(programFolder, QStringLiteral("bayiorigin2"), [&](const StagingRow& source) {
        steps.append({ composeDuplicateTest(source), composeRowInsert(QStringLiteral("namabayi"), mergeRow(source)) });
    });
    RawDatabase db(QDir(programFolder).filePath(FloorDatabase));
    QElapsedTimer timer;
    timer.start();
    db.stepAll(QStringLiteral("select * from bayiorigin2"));
    for (const auto& [test, insert] : steps) {
        if (db.stepAll(test) == 0)
            db.stepAll(insert);
    }
    const double seconds = millisecondsSince(timer) / 1000;
    return { seconds, db.stepAll(QStringLiteral("select nama from namabayi")) };
}

void printStage(const char* stage, const Timed& window, const Timed& floor)
{
    std::printf("%-12s %8lld %10.2f %10.0f %10.2f %10.0f %7.2f\n",
                stage,
                window.rows,
                window.seconds,
                double(window.rows) / window.seconds,
                floor.seconds,
                double(floor.rows) / floor.seconds,
                window.seconds / floor.seconds);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    const int items = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    try {
        const auto workFolder = makeWorkFolder();
        const QString folder = workFolder->path();
        const QString staging = QDir(folder).filePath(StagingDatabaseFile);
        const QString floor = QDir(folder).filePath(FloorDatabase);
        writeStagingDatabase(staging);
        writeStagingDatabase(floor);
        writeListPages(rt::toHostPath(folder, ListPageFolder), items);

        Form2 form(folder);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            throw std::runtime_error("the window was never shown");
        std::printf("%d list items in %s\n", items, qPrintable(folder));
        std::printf("%-12s %8s %10s %10s %10s %10s %7s\n",
                    "stage",
                    "rows",
                    "window s",
                    "rows/s",
                    "floor s",
                    "rows/s",
                    "ratio");

        const Timed listImport = clickAndCount(form.Command2, staging, QStringLiteral("bayi20000"));
        printStage("list import",
                   listImport,
                   runFloor(floor, listImportStatements(folder), QStringLiteral("bayi20000")));

        const Timed refinement = clickAndCount(form.Command3, staging, QStringLiteral("bayiorigin2"));
        QStringList refinementStatements { QStringLiteral("select * from bayi20000") };
        forEachStagingRow(folder, QStringLiteral("bayi20000"), [&](const StagingRow& source) {
            refinementStatements << composeRowInsert(QStringLiteral("bayiorigin2"), refineRow(source));
        });
        printStage("refinement", refinement, runFloor(floor, refinementStatements, QStringLiteral("bayiorigin2")));

        const Timed merge = clickAndCount(form.Command4, staging, QStringLiteral("namabayi"));
        printStage("merge", merge, mergeFloor(folder));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_builder: %s\n", error.what());
        return 1;
    }
    return 0;
}
