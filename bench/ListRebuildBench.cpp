// bench_list_rebuild: the list rebuild through the real window (offscreen), from choosing "ALL" to both lists
// loaded and repainted, at each row count given (default 20000 100000 1000000). Beside it, the floor: the same
// four statements run through the SQLite C API alone, every row stepped and every column read. Each figure is
// the median of three runs on one window; before each run the letter "A" is chosen, untimed.
#include "bench/Measurement.h"
#include "bench/OpenBrowser.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "browser/FilterQuery.h"
#include "browser/Form1.h"

#include <QApplication>

#include <cstdio>
#include <stdexcept>
#include <string>

using namespace tervala;
using namespace tervala::bench;

namespace {

constexpr int Runs = 3;

struct Rebuild {
    double milliseconds;
    int rowsShown; // data rows of both grids after the rebuild
};

Rebuild rebuildThroughWindow(const QString& programFolder)
{
    Form1 form(programFolder);
    loadAndShow(form);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        form.Option1[0]->setValue(true);
        settle();
        QElapsedTimer timer;
        timer.start();
        form.Option1[Form1::AllLetters]->setValue(true);
        settle();
        times.push_back(millisecondsSince(timer));
    }
    return { median(times), form.flex1->rows() - 1 + form.flex2->rows() - 1 };
}

double rebuildFloor(const QString& databasePath)
{
    FilterState all;
    all.sort = SortColumn::Name;
    const QString statements[] = { composeCountSql(all, Gender::Male),
                                   composeRowSql(all, Gender::Male),
                                   composeCountSql(all, Gender::Female),
                                   composeRowSql(all, Gender::Female) };
    RawDatabase db(databasePath);
    return medianMilliseconds(Runs, [&] {
        for (const QString& statement : statements)
            db.stepAll(statement);
    });
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    std::vector<int> sizes;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        sizes.push_back(argument.toInt());
    if (sizes.empty())
        sizes = { 20000, 100000, 1000000 };

    std::printf("%10s %12s %10s %7s %14s\n", "rows", "window ms", "floor ms", "ratio", "peak RSS MiB");
    try {
        for (const int rows : sizes) {
            const auto folder = makeWorkFolder();
            writeNameDatabase(folder->filePath(QStringLiteral("ter.va")), rows);
            const Rebuild rebuild = rebuildThroughWindow(folder->path());
            if (rebuild.rowsShown != rows)
                throw std::runtime_error("the lists show " + std::to_string(rebuild.rowsShown) + " rows");
            const double floor = rebuildFloor(folder->filePath(QStringLiteral("ter.va")));
            std::printf("%10d %12.1f %10.1f %7.2f %14.0f\n",
                        rows,
                        rebuild.milliseconds,
                        floor,
                        rebuild.milliseconds / floor,
                        peakResidentMiB());
            std::fflush(stdout);
        }
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_list_rebuild: %s\n", error.what());
        return 1;
    }
    return 0;
}
