// bench_builder: the builder stages through the real window (offscreen) over 20,000 list items (or the count
// given): the list page import (Command2), the refinement (Command3) and the merge (Command4), each from its
// click to its end, in rows written per second. Beside each, the floor: the statements that the stage really
// sent, replayed one at a time through the SQLite C API in autocommit on a copy of the staging database as it
// was before the stage. The statements are captured through the program's SQL trace from a second window that
// runs the same stage on a twin folder, untimed, so the timed window writes no trace. The merge makes an index
// for its duplicate tests that its trace does not show (the program's upkeep of the file): the floor makes and
// drops the same index around its replay, in SQLite's own NOCASE, inside its clock.
// Every commit of both is a file write: on a disk that flushes, both are bound by the flush (see README.md).
#include "bench/Measurement.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "builder/BuilderFolders.h"
#include "builder/Form2.h"
#include "namedb/ConnectionString.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/database/SqlTrace.h"
#include "runtime/hostfiles/WindowsPath.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <stdexcept>

using namespace tervala;
using namespace tervala::bench;

namespace {

struct Timed {
    double seconds;
    qint64 rows;
};

// The statements of a trace file, with the trace's escapes undone.
QStringList tracedStatements(const QString& tracePath)
{
    QFile trace(tracePath);
    if (!trace.open(QIODevice::ReadOnly))
        throw std::runtime_error("no trace in " + tracePath.toStdString());
    const QStringList statements = rt::statementsOfSqlTrace(trace.readAll());
    trace.remove();
    return statements;
}

class Stages {
public:
    Stages(const QString& timedFolder, const QString& captureFolder)
        : m_timed(timedFolder)
        , m_capture(captureFolder)
        , m_timedForm(timedFolder)
        , m_captureForm(captureFolder)
    {
        for (Form2* form : { &m_timedForm, &m_captureForm }) {
            form->show();
            if (!QTest::qWaitForWindowExposed(form))
                throw std::runtime_error("the window was never shown");
        }
    }

    // Runs one stage: the floor's copy of the staging database is taken first, then the timed window runs the
    // stage, then the capture window runs it with the trace on, then the floor replays what it sent.
    void run(const char* stage, rt::CommandButton* Form2::*button, const QString& table, const QStringList& upkeep = {})
    {
        const QString staging = stagingPath(m_timed);
        const QString floor = QDir(m_timed).filePath(QStringLiteral("floor.mdb"));
        QFile::remove(floor);
        if (!QFile::copy(staging, floor))
            throw std::runtime_error("cannot copy " + staging.toStdString());

        QElapsedTimer timer;
        timer.start();
        (m_timedForm.*button)->click();
        settle();
        const Timed window { millisecondsSince(timer) / 1000,
                             RawDatabase(staging).stepAll("select nama from " + table) };

        const QString tracePath = QDir(m_capture).filePath(QStringLiteral("trace.log"));
        rt::setSqlTracePath(tracePath);
        (m_captureForm.*button)->click();
        settle();
        rt::setSqlTracePath({});
        const QStringList statements = tracedStatements(tracePath);

        RawDatabase db(floor);
        timer.start();
        if (!upkeep.isEmpty())
            db.stepAll(upkeep.first());
        for (const QString& statement : statements) {
            // The stage's failures (a quote in an origin) are the floor's too, and cost it as little.
            try {
                db.stepAll(statement);
            } catch (const std::runtime_error&) {
            }
        }
        if (upkeep.size() > 1)
            db.stepAll(upkeep.last());
        const Timed replay { millisecondsSince(timer) / 1000, db.stepAll("select nama from " + table) };
        print(stage, window, replay, statements.size());
    }

    static void printHeader()
    {
        std::printf("%-12s %8s %10s %10s %10s %10s %7s %11s\n",
                    "stage",
                    "rows",
                    "window s",
                    "rows/s",
                    "floor s",
                    "rows/s",
                    "ratio",
                    "statements");
    }

private:
    static QString stagingPath(const QString& folder) { return QDir(folder).filePath(StagingDatabaseFile); }

    static void print(const char* stage, const Timed& window, const Timed& floor, qsizetype statements)
    {
        std::printf("%-12s %8lld %10.2f %10.0f %10.2f %10.0f %7.2f %11lld\n",
                    stage,
                    window.rows,
                    window.seconds,
                    double(window.rows) / window.seconds,
                    floor.seconds,
                    double(floor.rows) / floor.seconds,
                    window.seconds / floor.seconds,
                    qlonglong(statements));
        if (window.rows != floor.rows)
            std::printf("  the floor wrote %lld rows, the window %lld\n", floor.rows, window.rows);
        std::fflush(stdout);
    }

    QString m_timed;
    QString m_capture;
    Form2 m_timedForm;
    Form2 m_captureForm;
};

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    const int items = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    try {
        const auto timedFolder = makeWorkFolder();
        const auto captureFolder = makeWorkFolder();
        const QString timed = timedFolder->path();
        const QString capture = captureFolder->path();
        writeStagingDatabase(QDir(timed).filePath(StagingDatabaseFile));
        writeStagingDatabase(QDir(capture).filePath(StagingDatabaseFile));
        writeListPages(rt::toHostPath(timed, ListPageFolder), items);
        // The twin reads the same pages.
        if (!QFile::link(QDir(timed).filePath(QStringLiteral("drive_c")),
                         QDir(capture).filePath(QStringLiteral("drive_c"))))
            throw std::runtime_error("cannot link the pages into " + capture.toStdString());

        Stages stages(timed, capture);
        std::printf("%d list items in %s\n", items, qPrintable(timed));
        Stages::printHeader();
        stages.run("list import", &Form2::Command2, QStringLiteral("bayi20000"));
        stages.run("refinement", &Form2::Command3, QStringLiteral("bayiorigin2"));
        stages.run("merge",
                   &Form2::Command4,
                   QStringLiteral("namabayi"),
                   { QStringLiteral("create index floor_duplicates on namabayi(nama, asal)"),
                     QStringLiteral("drop index floor_duplicates") });
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_builder: %s\n", error.what());
        return 1;
    }
    return 0;
}
