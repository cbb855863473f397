// bench_list_rebuild: the list rebuild through the real window (offscreen unless QT_QPA_PLATFORM says otherwise),
// from choosing "ALL" to both lists loaded and repainted, at each row count given (default 20000 100000 1000000),
// or on a copy of each ter.va file given instead of a count. Beside it, the floor: the same four statements run
// through the SQLite C API alone, opened as the program opens its file, every row stepped and every column read,
// each run in a fresh process of this program (started with --floor FILE), so that it profits from nothing the
// window left in memory. Before each run the window chooses the letter "A" and the floor scans the table once
// (both untimed), so both start from the same page cache. Window runs and floor processes take turns, seven of
// each (--runs N before the sizes: N, for callgrind on large lists); each figure gives median and min-max, and
// beside the ratio of the medians stand the median of each run's ratio to the floor run that follows it (a
// machine whose speed drifts over seconds disturbs both alike), the ratio of the least runs, and the ratio of the
// medians of CPU time (this process's, and the floor process's; not the display server's).
// Under callgrind with --collect-atstart=no only the window's rebuilds and, with --trace-children=yes, the
// floor's statements are counted.
#include "bench/Measurement.h"
#include "bench/OpenBrowser.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "browser/FilterQuery.h"
#include "browser/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif
#include <stdexcept>
#include <string>

using namespace tervala;
using namespace tervala::bench;

namespace {

// Runs of each figure unless "--runs N" comes before the sizes: fewer, for callgrind on the large lists.
constexpr int DefaultRuns = 7;

struct Rebuild {
    std::vector<double> window; // milliseconds of each run
    std::vector<double> floor;
    std::vector<double> windowCpu; // milliseconds of CPU time of each run
    std::vector<double> floorCpu;
    int rowsShown; // data rows of both grids after the rebuild
};

// The statements of "ALL": count and rows of the boys, then of the girls.
std::vector<QString> allStatements()
{
    FilterState all;
    all.sort = SortColumn::Name;
    return { composeCountSql(all, Gender::Male),
             composeRowSql(all, Gender::Male),
             composeCountSql(all, Gender::Female),
             composeRowSql(all, Gender::Female) };
}

struct Times {
    double wall;
    double cpu;
};

// One run of the floor, in this process: a scan of the table as the window's letter "A" makes, untimed, then
// the statements of "ALL", timed.
Times rebuildFloor(const QString& databasePath)
{
    const std::vector<QString> statements = allStatements();
    RawDatabase db(databasePath);
    db.stepAll(statements[0]);
    db.stepAll(statements[2]);
    const double cpuBefore = cpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    CALLGRIND_TOGGLE_COLLECT;
    for (const QString& statement : statements)
        db.stepAll(statement);
    CALLGRIND_TOGGLE_COLLECT;
    return { millisecondsSince(timer), cpuMilliseconds() - cpuBefore };
}

Times rebuildFloorInFreshProcess(const QString& databasePath)
{
    QProcess floor;
    floor.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--floor"), databasePath });
    if (!floor.waitForFinished(-1) || floor.exitCode() != 0)
        throw std::runtime_error("the floor did not run: " + floor.readAllStandardError().toStdString());
    const QList<QByteArray> times = floor.readAllStandardOutput().trimmed().split(' ');
    if (times.size() != 2)
        throw std::runtime_error("the floor gave no times");
    return { times[0].toDouble(), times[1].toDouble() };
}

Rebuild rebuildInTurns(const QString& programFolder, int runs)
{
    Form1 form(programFolder);
    loadAndShow(form);
    Rebuild rebuild;
    for (int run = 0; run < runs; ++run) {
        form.Option1[0]->setValue(true);
        settle();
        const double cpuBefore = cpuMilliseconds();
        QElapsedTimer timer;
        timer.start();
        CALLGRIND_TOGGLE_COLLECT;
        form.Option1[Form1::AllLetters]->setValue(true);
        settle();
        CALLGRIND_TOGGLE_COLLECT;
        rebuild.window.push_back(millisecondsSince(timer));
        rebuild.windowCpu.push_back(cpuMilliseconds() - cpuBefore);
        const Times floor = rebuildFloorInFreshProcess(QDir(programFolder).filePath(QStringLiteral("ter.va")));
        rebuild.floor.push_back(floor.wall);
        rebuild.floorCpu.push_back(floor.cpu);
    }
    rebuild.rowsShown = form.flex1->rows() - 1 + form.flex2->rows() - 1;
    return rebuild;
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QStringList sizes = arguments.mid(1); // row counts or ter.va files
    int runs = DefaultRuns;
    if (sizes.size() >= 2 && sizes[0] == QLatin1String("--runs")) {
        runs = std::max(sizes[1].toInt(), 1);
        sizes = sizes.mid(2);
    }
    if (sizes.size() == 2 && sizes[0] == QLatin1String("--floor")) {
        const Times floor = rebuildFloor(sizes[1]);
        std::printf("%.3f %.3f\n", floor.wall, floor.cpu);
        return 0;
    }
    if (sizes.empty())
        sizes = QStringList { "20000", "100000", "1000000" };

    std::printf("%10s %10s %14s %10s %14s %6s %7s %9s %8s %9s %6s %9s %10s\n",
                "rows",
                "window ms",
                "spread",
                "floor ms",
                "spread",
                "ratio",
                "paired",
                "of least",
                "CPU ms",
                "floor CPU",
                "ratio",
                "RSS MiB",
                "load");
    try {
        for (const QString& size : sizes) {
            const auto folder = makeWorkFolder();
            const QString database = folder->filePath(QStringLiteral("ter.va"));
            bool isCount = false;
            int rows = size.toInt(&isCount);
            if (isCount)
                writeNameDatabase(database, rows);
            else if (QFile::copy(size, database))
                rows = int(
                    RawDatabase(database).stepAll(QStringLiteral("select jk from namabayi where jk in ('M', 'F')")));
            else
                throw std::runtime_error("cannot copy " + size.toStdString());
            const QByteArray loadBefore = loadAverage();
            const Rebuild rebuild = rebuildInTurns(folder->path(), runs);
            if (rebuild.rowsShown != rows)
                throw std::runtime_error("the lists show " + std::to_string(rebuild.rowsShown) + " rows");
            std::vector<double> paired;
            for (size_t run = 0; run < rebuild.window.size(); ++run)
                paired.push_back(rebuild.window[run] / rebuild.floor[run]);
            std::printf("%10d %10.1f %14s %10.1f %14s %6.2f %7.2f %9.2f %8.1f %9.1f %6.2f %9.0f %10s\n",
                        rows,
                        median(rebuild.window),
                        spread(rebuild.window).constData(),
                        median(rebuild.floor),
                        spread(rebuild.floor).constData(),
                        median(rebuild.window) / median(rebuild.floor),
                        median(paired),
                        least(rebuild.window) / least(rebuild.floor),
                        median(rebuild.windowCpu),
                        median(rebuild.floorCpu),
                        median(rebuild.windowCpu) / median(rebuild.floorCpu),
                        peakResidentMiB(),
                        (loadBefore + '-' + loadAverage()).constData());
            std::fflush(stdout);
        }
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_list_rebuild: %s\n", error.what());
        return 1;
    }
    return 0;
}
