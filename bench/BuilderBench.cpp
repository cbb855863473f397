// bench_builder [--runs N] [items]: the builder stages through the real window (offscreen) over 20,000 list items
// (or the count given): the list page import (Command2), the refinement (Command3) and the merge (Command4), each
// from its click to its end, in rows written per second; 5 runs (or N), each on fresh folders, the median with
// the spread beside it. Beside each, the floor: the statements that the stage really sent, replayed one at a
// time through the SQLite C API in autocommit on a copy of the staging database as it was before the stage. The
// statements are captured through the program's SQL trace from a second window that runs the same stage on a
// twin folder, untimed, so the timed window writes no trace. The merge makes an index for its duplicate tests
// that its trace does not show (the program's upkeep of the file): the floor makes and drops the same index
// around its replay, in SQLite's own NOCASE, inside its clock.
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

#include <array>
#include <cstdio>
#include <stdexcept>
#include <vector>

using namespace tervala;
using namespace tervala::bench;

namespace {

struct Timed {
    double seconds;
    qint64 rows;
};

// One stage in one run: the window's and the floor's time and rows.
struct StageTimes {
    Timed window;
    Timed floor;
    qsizetype statements;
};

constexpr int DefaultRuns = 5;

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
    StageTimes run(rt::CommandButton* Form2::*button, const QString& table, const QStringList& upkeep = {})
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
        if (window.rows != replay.rows)
            std::printf("  the floor wrote %lld rows, the window %lld\n", replay.rows, window.rows);
        return { window, replay, statements.size() };
    }

private:
    static QString stagingPath(const QString& folder) { return QDir(folder).filePath(StagingDatabaseFile); }

    QString m_timed;
    QString m_capture;
    Form2 m_timedForm;
    Form2 m_captureForm;
};

// The three stages, once, on fresh folders of the given number of list items.
std::array<StageTimes, 3> runStages(int items)
{
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
    // In this order: each stage reads what the one before wrote.
    const StageTimes import = stages.run(&Form2::Command2, QStringLiteral("bayi20000"));
    const StageTimes refinement = stages.run(&Form2::Command3, QStringLiteral("bayiorigin2"));
    const StageTimes merge = stages.run(&Form2::Command4,
                                        QStringLiteral("namabayi"),
                                        { QStringLiteral("create index floor_duplicates on namabayi(nama, asal)"),
                                          QStringLiteral("drop index floor_duplicates") });
    return { import, refinement, merge };
}

void printStage(const char* stage, const std::vector<StageTimes>& runs)
{
    std::vector<double> window;
    std::vector<double> floor;
    for (const StageTimes& run : runs) {
        window.push_back(run.window.seconds);
        floor.push_back(run.floor.seconds);
    }
    const qint64 rows = runs.front().window.rows;
    std::printf("%-12s %7lld %7.2f %11s %8.0f %7.2f %11s %8.0f %6.2f %8.2f %10lld\n",
                stage,
                rows,
                median(window),
                spread(window, 2).constData(),
                double(rows) / median(window),
                median(floor),
                spread(floor, 2).constData(),
                double(rows) / median(floor),
                median(window) / median(floor),
                least(window) / least(floor),
                qlonglong(runs.front().statements));
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    int runs = DefaultRuns;
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("--runs")) {
        runs = std::max(arguments[1].toInt(), 1);
        arguments = arguments.mid(2);
    }
    const int items = arguments.isEmpty() ? 20000 : arguments[0].toInt();
    try {
        const QByteArray loadBefore = loadAverage();
        std::array<std::vector<StageTimes>, 3> stages;
        for (int run = 0; run < runs; ++run) {
            const std::array<StageTimes, 3> once = runStages(items);
            for (size_t stage = 0; stage < once.size(); ++stage)
                stages[stage].push_back(once[stage]);
        }
        std::printf("%d list items, %d runs, load %s\n", items, runs, (loadBefore + '-' + loadAverage()).constData());
        std::printf("%-12s %7s %7s %11s %8s %7s %11s %8s %6s %8s %10s\n",
                    "stage",
                    "rows",
                    "window",
                    "spread",
                    "rows/s",
                    "floor",
                    "spread",
                    "rows/s",
                    "ratio",
                    "of least",
                    "statements");
        printStage("list import", stages[0]);
        printStage("refinement", stages[1]);
        printStage("merge", stages[2]);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_builder: %s\n", error.what());
        return 1;
    }
    return 0;
}
