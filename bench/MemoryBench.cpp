// bench_memory: peak memory of the real window (offscreen) with 1,000,000 synthetic rows loaded (or the count
// given, or a copy of the ter.va file given): "ALL" chosen, both lists complete. The peak is getrusage's ru_maxrss for
// the whole process, so it holds the Qt libraries, the window, both grids and the largest result held while a list
// loads; the data is written beforehand by the same process with SQLite's small page cache, well below that peak.
#include "bench/Measurement.h"
#include "bench/OpenBrowser.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "browser/Form1.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <unistd.h>

using namespace tervala;
using namespace tervala::bench;

namespace {

// Resident set size now, from /proc/self/statm (its second field, in pages).
double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const qint64 pages = statm.readAll().split(' ').value(1).toLongLong();
    return double(pages) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    const QString given = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("1000000");
    bool isCount = false;
    int rows = given.toInt(&isCount);
    try {
        const auto folder = makeWorkFolder();
        const QString database = folder->filePath(QStringLiteral("ter.va"));
        if (isCount)
            writeNameDatabase(database, rows);
        else if (QFile::copy(given, database))
            rows = int(RawDatabase(database).stepAll(QStringLiteral("select jk from namabayi where jk in ('M', 'F')")));
        else
            throw std::runtime_error("cannot copy " + given.toStdString());
        Form1 form(folder->path());
        loadAndShow(form);
        settle();
        const double beforeMiB = residentMiB();
        form.Option1[Form1::AllLetters]->setValue(true);
        settle();
        const int rowsShown = form.flex1->rows() - 1 + form.flex2->rows() - 1;
        if (rowsShown != rows)
            throw std::runtime_error("the lists show " + std::to_string(rowsShown) + " rows");
        std::printf("%d rows loaded: peak RSS %.0f MiB, RSS now %.0f MiB (window on letter A before: %.0f MiB)\n",
                    rowsShown,
                    peakResidentMiB(),
                    residentMiB(),
                    beforeMiB);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_memory: %s\n", error.what());
        return 1;
    }
    return 0;
}
