// bench_list_rebuild: the list rebuild through the real window (offscreen), from choosing "ALL" to both lists
// loaded and repainted, at each row count given (default 20000 100000 1000000), or on a copy of each ter.va
// file given instead of a count. Beside it, the floor: the same
// four statements run through the SQLite C API alone, every row stepped and every column read, in a fresh process
// of this program (started with --floor FILE), so that it pays for the file's pages as the window's first rebuild
// does and not less or more for what the window left in memory. Each figure is the median of seven runs, the
// window's on one window, before each of which the letter "A" is chosen, untimed; the spread is min to max,
// and beside the ratio of the medians stands the ratio of the least runs, the ones the machine disturbed least.
// Under callgrind with --collect-atstart=no only the window's rebuilds and, with --trace-children=yes, the
// floor's statements are counted.
#include "bench/Measurement.h"
#include "bench/OpenBrowser.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "browser/FilterQuery.h"
#include "browser/Form1.h"

#include <QApplication>
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
    std::vector<double> milliseconds;
    int rowsShown; // data rows of both grids after the rebuild
};

Rebuild rebuildThroughWindow(const QString& programFolder, int runs)
{
    Form1 form(programFolder);
    loadAndShow(form);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        form.Option1[0]->setValue(true);
        settle();
        QElapsedTimer timer;
        timer.start();
        CALLGRIND_TOGGLE_COLLECT;
        form.Option1[Form1::AllLetters]->setValue(true);
        settle();
        CALLGRIND_TOGGLE_COLLECT;
        times.push_back(millisecondsSince(timer));
    }
    return { times, form.flex1->rows() - 1 + form.flex2->rows() - 1 };
}

std::vector<double> rebuildFloor(const QString& databasePath, int runs)
{
    FilterState all;
    all.sort = SortColumn::Name;
    const QString statements[] = { composeCountSql(all, Gender::Male),
                                   composeRowSql(all, Gender::Male),
                                   composeCountSql(all, Gender::Female),
                                   composeRowSql(all, Gender::Female) };
    RawDatabase db(databasePath);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        CALLGRIND_TOGGLE_COLLECT;
        for (const QString& statement : statements)
            db.stepAll(statement);
        CALLGRIND_TOGGLE_COLLECT;
        times.push_back(millisecondsSince(timer));
    }
    return times;
}

std::vector<double> rebuildFloorInFreshProcess(const QString& databasePath, int runs)
{
    QProcess floor;
    floor.start(QCoreApplication::applicationFilePath(),
                { QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--floor"), databasePath });
    if (!floor.waitForFinished(-1) || floor.exitCode() != 0)
        throw std::runtime_error("the floor did not run: " + floor.readAllStandardError().toStdString());
    std::vector<double> times;
    for (const QByteArray& figure : floor.readAllStandardOutput().split(' '))
        times.push_back(figure.trimmed().toDouble());
    return times;
}

// The least of the runs: the one the shared machine disturbed least.
double least(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

QByteArray spread(const std::vector<double>& times)
{
    const auto [least, most] = std::minmax_element(times.begin(), times.end());
    return QByteArray::number(*least, 'f', 1) + '-' + QByteArray::number(*most, 'f', 1);
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
        QByteArrayList figures;
        for (const double time : rebuildFloor(sizes[1], runs))
            figures << QByteArray::number(time, 'f', 3);
        std::printf("%s\n", figures.join(' ').constData());
        return 0;
    }
    if (sizes.empty())
        sizes = QStringList { "20000", "100000", "1000000" };

    std::printf("%10s %12s %14s %10s %14s %7s %9s %14s\n",
                "rows",
                "window ms",
                "spread",
                "floor ms",
                "spread",
                "ratio",
                "of least",
                "peak RSS MiB");
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
            const Rebuild rebuild = rebuildThroughWindow(folder->path(), runs);
            if (rebuild.rowsShown != rows)
                throw std::runtime_error("the lists show " + std::to_string(rebuild.rowsShown) + " rows");
            const std::vector<double> floor
                = rebuildFloorInFreshProcess(folder->filePath(QStringLiteral("ter.va")), runs);
            std::printf("%10d %12.1f %14s %10.1f %14s %7.2f %9.2f %14.0f\n",
                        rows,
                        median(rebuild.milliseconds),
                        spread(rebuild.milliseconds).constData(),
                        median(floor),
                        spread(floor).constData(),
                        median(rebuild.milliseconds) / median(floor),
                        least(rebuild.milliseconds) / least(floor),
                        peakResidentMiB());
            std::fflush(stdout);
        }
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_list_rebuild: %s\n", error.what());
        return 1;
    }
    return 0;
}
