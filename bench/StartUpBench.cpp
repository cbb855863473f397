// bench_startup: the real tervala program, from process start until it is idle with both lists loaded and the
// window painted, on a program folder holding a copy of the executable beside a ter.va of 20,000 synthetic names.
// Beside it, timed the same way: an empty Qt window (bench_empty_window), the same window with one label (the
// least a window that shows text pays), and tervala beside a ter.va without rows, the same window and statements
// with nothing to list. Each figure is a median of runs, taken in turns.
// Every process is measured from outside, without a hook: its CPU time (/proc/<pid>/task/*/schedstat, in ns) is
// polled, and it is idle at the last change seen before the time stays unchanged for QuietMs. For tervala the
// polling waits first for the SQL trace to hold the last start-up statement (the girls' row statement of the
// second rebuild, the 9th line), so a pause while it loads is not taken for the end.
// Any ter.va files named on the command line (the sample names before and after a change, say) are timed in the
// same turns, each beside a copy of the executable.
// Then the start-up statements, read back from the trace, run again on a warm cache through the program's
// connection; with --statements only that is done, once, so that callgrind can count its instructions:
//     valgrind --tool=callgrind --collect-atstart=no build-bench/bench/bench_startup --statements
#include "bench/Measurement.h"
#include "bench/ScaleData.h"
#include "namedb/ConnectionString.h"
#include "runtime/database/Connection.h"
#include "runtime/database/SqlTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

using namespace tervala::bench;

namespace {

constexpr int Rows = 20000;
constexpr int Runs = 10;
constexpr int StartUpStatements = 9; // the origins, then two rebuilds of four statements
constexpr double QuietMs = 200;
constexpr double GiveUpMs = 300000; // ten million names take a quarter of a minute, more on a busy machine
constexpr auto PollInterval = std::chrono::microseconds(250);

// CPU time of all threads of process pid, in ns; -1 once the process is gone.
qint64 cpuNanoseconds(qint64 pid)
{
    const QString taskFolder = QStringLiteral("/proc/%1/task").arg(pid);
    const QStringList tasks = QDir(taskFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (tasks.isEmpty())
        return -1;
    qint64 total = 0;
    for (const QString& task : tasks) {
        QFile schedstat(taskFolder + u'/' + task + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readLine().split(' ').value(0).toLongLong();
    }
    return total;
}

qsizetype lineCount(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
}

// Milliseconds from the start of executable until it is idle. With a tracePath, the program runs with
// TERVALA_SQL_TRACE set to it and idleness counts only once the trace holds all start-up statements.
double startUntilIdle(const QString& executable, const QString& tracePath = {}, const QStringList& arguments = {})
{
    QProcess program;
    if (!tracePath.isEmpty()) {
        QFile::remove(tracePath);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TERVALA_SQL_TRACE"), tracePath);
        program.setProcessEnvironment(environment);
    }
    QElapsedTimer timer;
    timer.start();
    program.start(executable, arguments);
    if (!program.waitForStarted())
        throw std::runtime_error("cannot start " + executable.toStdString());

    qint64 lastCpu = -1;
    double lastChangeMs = 0;
    bool loaded = tracePath.isEmpty();
    for (;;) {
        const double now = millisecondsSince(timer);
        const qint64 cpu = cpuNanoseconds(program.processId());
        if (cpu < 0 || now > GiveUpMs)
            throw std::runtime_error(executable.toStdString() + " ended or never settled");
        if (cpu != lastCpu) {
            lastCpu = cpu;
            lastChangeMs = now;
        }
        if (!loaded)
            loaded = lineCount(tracePath) >= StartUpStatements;
        else if (now - lastChangeMs >= QuietMs)
            break;
        std::this_thread::sleep_for(PollInterval);
    }
    program.kill();
    program.waitForFinished();
    return lastChangeMs;
}

QStringList tracedStatements(const QString& tracePath)
{
    QFile trace(tracePath);
    if (!trace.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + tracePath.toStdString());
    return tervala::rt::statementsOfSqlTrace(trace.readAll());
}

// The statements on a warm cache through the program's connection: the median of Runs rounds, or one round
// counted by callgrind.
double throughConnection(const QString& programFolder, const QStringList& statements, int runs)
{
    tervala::rt::Connection connection;
    connection.open(tervala::jetConnectionString(programFolder, tervala::NameDatabaseFile));
    for (const QString& statement : statements)
        connection.execute(statement);
    return medianMilliseconds(runs, [&] {
        CALLGRIND_TOGGLE_COLLECT;
        for (const QString& statement : statements)
            connection.execute(statement);
        CALLGRIND_TOGGLE_COLLECT;
    });
}

// A program folder with a copy of the executable, without its ter.va.
QString programFolder(const QTemporaryDir& work, const QString& name)
{
    const QString folder = work.filePath(name);
    if (!QDir().mkpath(folder) || !QFile::copy(QStringLiteral(TERVALA_EXECUTABLE), folder + QStringLiteral("/tervala")))
        throw std::runtime_error("cannot copy the program into " + folder.toStdString());
    return folder;
}

// A program folder with a copy of the executable beside a ter.va of rows names.
QString programFolder(const QTemporaryDir& work, const QString& name, int rows)
{
    const QString folder = programFolder(work, name);
    writeNameDatabase(folder + QStringLiteral("/ter.va"), rows);
    return folder;
}

struct Figure {
    QByteArray what;
    std::vector<double> times;
};

void printFigure(const Figure& figure, double emptyMs, double textMs)
{
    const auto [least, most] = std::minmax_element(figure.times.begin(), figure.times.end());
    std::printf("%-36s %8.1f ms  (%6.1f-%6.1f)  %5.2f x the empty window, %5.2f x the window with a label\n",
                figure.what.constData(),
                median(figure.times),
                *least,
                *most,
                median(figure.times) / emptyMs,
                median(figure.times) / textMs);
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QCoreApplication app(argc, argv);
    const bool statementsOnly = QCoreApplication::arguments().contains(QStringLiteral("--statements"));
    try {
        const auto work = makeWorkFolder();
        const QString loaded = programFolder(*work, QStringLiteral("loaded"), Rows);
        const QString tracePath = work->filePath(QStringLiteral("trace.log"));
        if (statementsOnly) {
            startUntilIdle(loaded + QStringLiteral("/tervala"), tracePath);
            std::printf("%.1f ms\n", throughConnection(loaded, tracedStatements(tracePath), 1));
            return 0;
        }
        const QString empty = programFolder(*work, QStringLiteral("empty"), 0);

        Figure emptyWindow { "empty Qt window", {} };
        Figure textWindow { "Qt window with one label", {} };
        Figure noData { "tervala, ter.va without rows", {} };
        Figure program { "tervala, 20,000 rows", {} };
        std::vector<std::pair<QString, Figure>> givenFiles; // program folder, figure
        for (const QString& file : QCoreApplication::arguments().mid(1)) {
            const QString folder = programFolder(*work, QStringLiteral("given%1").arg(givenFiles.size()));
            if (!QFile::copy(file, folder + QStringLiteral("/ter.va")))
                throw std::runtime_error("cannot copy " + file.toStdString());
            givenFiles.push_back({ folder, Figure { "tervala, " + file.toUtf8(), {} } });
        }
        for (int run = 0; run < Runs; ++run) {
            emptyWindow.times.push_back(startUntilIdle(QStringLiteral(TERVALA_EMPTY_WINDOW)));
            textWindow.times.push_back(startUntilIdle(QStringLiteral(TERVALA_EMPTY_WINDOW), {}, { "--text" }));
            noData.times.push_back(startUntilIdle(empty + QStringLiteral("/tervala"), tracePath));
            program.times.push_back(startUntilIdle(loaded + QStringLiteral("/tervala"), tracePath));
            for (auto& [folder, figure] : givenFiles)
                figure.times.push_back(startUntilIdle(folder + QStringLiteral("/tervala"), tracePath));
        }
        const double emptyMs = median(emptyWindow.times);
        const double textMs = median(textWindow.times);
        std::printf("start-up until idle, median of %d runs (min-max), platform %s\n",
                    Runs,
                    qgetenv("QT_QPA_PLATFORM").constData());
        for (const Figure* figure : { &emptyWindow, &textWindow, &noData, &program })
            printFigure(*figure, emptyMs, textMs);
        for (const auto& given : givenFiles)
            printFigure(given.second, emptyMs, textMs);
        const double statementsMs = throughConnection(loaded, tracedStatements(tracePath), Runs);
        const double floorMs = median(noData.times) + statementsMs;
        std::printf("its %d statements on a warm cache through the program's connection: %.1f ms\n",
                    StartUpStatements,
                    statementsMs);
        std::printf("floor (the window without rows + the statements): %.1f ms, %.2f x the empty window; "
                    "tervala %.2f x the floor\n",
                    floorMs,
                    floorMs / emptyMs,
                    median(program.times) / floorMs);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
