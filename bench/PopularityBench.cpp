// bench_popularity SOURCE: the popularity import of SOURCE (the unpacked us-name-data.sqlite) into a fresh
// folder, once; then the tooltip line of a name cell (lookup of one name and sex, and its text) over a spread
// of names, common, rare and absent, the first one with the opening of popularity.db; then the chart window of
// a name, from the two lookups until it is shown and painted. Lookup and chart figures are medians, with the
// 99th percentile and the slowest run beside them.
#include "bench/Measurement.h"
#include "browser/PopularityChart.h"
#include "popularity/PopularityImport.h"
#include "popularity/PopularityText.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace tervala;
using namespace tervala::bench;

namespace {

constexpr int LookupRounds = 50;
constexpr int ChartRuns = 20;
// Common and rare names of both sexes, a name of both, and names not recorded at all.
const char* const Names[] = { "Mary",   "James",  "Olivia",  "Liam",   "Jordan", "Zoë",
                              "Ximena", "Zyaire", "Tervala", "Ngurah", "O'Neil", "Aaliyah" };

// Median, 99th percentile and slowest of the runs.
void print(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-38s median %7.3f ms, 99%% %7.3f ms, slowest %7.3f ms (%zu runs)\n",
                what,
                median(times),
                times[times.size() * 99 / 100],
                times.back(),
                times.size());
}

} // namespace

int main(int argc, char* argv[])
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_popularity us-name-data.sqlite\n");
        return 2;
    }
    QTemporaryDir folder(qEnvironmentVariable("TERVALA_BENCH_DIR", QStringLiteral("/dev/shm"))
                         + QStringLiteral("/tervala-popularity-XXXXXX"));

    QElapsedTimer timer;
    timer.start();
    const PopularityNote note = importPopularity(QString::fromLocal8Bit(argv[1]), folder.path(), [](const QString&) {});
    std::printf("%-38s %9.1f s for %lld rows\n", "Import", millisecondsSince(timer) / 1000, note.rows);

    // The browser opens the file at the first tooltip that asks for it.
    timer.start();
    std::unique_ptr<PopularityFile> file = PopularityFile::openIn(folder.path());
    const QString first
        = popularityLine(file->history(QStringLiteral("Mary"), Gender::Female), Gender::Female, file->note());
    const double firstMilliseconds = millisecondsSince(timer);
    std::printf("%-38s %7.3f ms: %s\n", "First tooltip line, opening the file", firstMilliseconds, qPrintable(first));

    std::vector<double> lookups;
    for (int round = 0; round < LookupRounds; ++round) {
        for (const char* name : Names) {
            for (const Gender sex : { Gender::Female, Gender::Male }) {
                timer.start();
                const QString line = popularityLine(file->history(QString::fromUtf8(name), sex), sex, file->note());
                lookups.push_back(millisecondsSince(timer));
                if (round == 0)
                    std::printf("  %s: %s\n", name, qPrintable(line));
            }
        }
    }
    print("Tooltip line (lookup and text)", lookups);

    std::vector<double> charts;
    for (int run = 0; run < ChartRuns; ++run) {
        const QString name = QString::fromUtf8(Names[run % 2]);
        timer.start();
        auto* chart = new PopularityChart(name,
                                          file->history(name, Gender::Female),
                                          file->history(name, Gender::Male),
                                          file->note());
        chart->show();
        settle();
        charts.push_back(millisecondsSince(timer));
        chart->close();
        settle();
    }
    std::printf("%-38s %7.3f ms\n", "First chart window of the session", charts.front());
    print("Chart window, to shown and painted", charts);
    return 0;
}
