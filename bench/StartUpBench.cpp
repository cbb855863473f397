// bench_startup: the real tervala program, from process start to both lists loaded and the window idle, on a
// program folder holding a copy of the executable beside a ter.va of 20,000 synthetic names; beside it, an empty
// Qt window from start to its exit after the first paint. Both run offscreen; each figure is a median of runs.
// The program is measured from outside, without a hook: the SQL trace tells when the last of the start-up
// statements has been sent (the girls' row statement of the second rebuild, the 9th line), and from then on the
// process's CPU time (/proc/<pid>/task/*/schedstat, in ns) is polled; the start-up ends at the last change seen
// before it stays unchanged for QuietMs, that is when the lists are loaded and the window has painted.
// Then the start-up statements, read back from the trace, run again on a warm cache: through the program's
// connection, and through SQLite alone with its own upper() and substr() for the dialect's ucase and left.
#include "bench/Measurement.h"
#include "bench/RawDatabase.h"
#include "bench/ScaleData.h"
#include "namedb/ConnectionString.h"
#include "runtime/Connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace tervala::bench;

namespace {

constexpr int Rows = 20000;
constexpr int Runs = 10;
constexpr int StartUpStatements = 9; // the origins, then two rebuilds of four statements
constexpr double QuietMs = 200;
constexpr double GiveUpMs = 30000;
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

double startTervala(const QString& executable, const QString& tracePath)
{
    QFile::remove(tracePath);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TERVALA_SQL_TRACE"), tracePath);
    program.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    program.start(executable, {});
    if (!program.waitForStarted())
        throw std::runtime_error("cannot start " + executable.toStdString());

    qint64 lastCpu = -1;
    double lastChangeMs = 0;
    bool lastStatementSent = false;
    for (;;) {
        const double now = millisecondsSince(timer);
        const qint64 cpu = cpuNanoseconds(program.processId());
        if (cpu < 0 || now > GiveUpMs)
            throw std::runtime_error("tervala ended or never settled; see " + tracePath.toStdString());
        if (cpu != lastCpu) {
            lastCpu = cpu;
            lastChangeMs = now;
        }
        if (!lastStatementSent)
            lastStatementSent = lineCount(tracePath) >= StartUpStatements;
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
    QStringList statements;
    for (const QByteArray& line : trace.readAll().split('\n')) {
        if (!line.isEmpty())
            statements << QString::fromUtf8(line).section(u'\t', 1);
    }
    return statements;
}

double throughConnection(const QString& programFolder, const QStringList& statements)
{
    tervala::rt::Connection connection;
    connection.open(tervala::jetConnectionString(programFolder, tervala::NameDatabaseFile));
    return medianMilliseconds(Runs, [&] {
        for (const QString& statement : statements)
            connection.execute(statement);
    });
}

double throughSqliteAlone(const QString& databasePath, QStringList statements)
{
    statements.replaceInStrings(QStringLiteral("ucase(left(nama,1))"), QStringLiteral("upper(substr(nama,1,1))"));
    RawDatabase db(databasePath);
    return medianMilliseconds(Runs, [&] {
        for (const QString& statement : statements)
            db.stepAll(statement);
    });
}

double startEmptyWindow()
{
    QProcess program;
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(TERVALA_EMPTY_WINDOW), {});
    if (!program.waitForFinished(int(GiveUpMs)) || program.exitCode() != 0)
        throw std::runtime_error("the empty window did not run");
    return millisecondsSince(timer);
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QCoreApplication app(argc, argv);
    try {
        const auto folder = makeWorkFolder();
        writeNameDatabase(folder->filePath(QStringLiteral("ter.va")), Rows);
        const QString executable = folder->filePath(QStringLiteral("tervala"));
        if (!QFile::copy(QStringLiteral(TERVALA_EXECUTABLE), executable))
            throw std::runtime_error("cannot copy the program into " + folder->path().toStdString());

        const QString tracePath = folder->filePath(QStringLiteral("trace.log"));
        std::vector<double> program;
        std::vector<double> empty;
        for (int run = 0; run < Runs; ++run) {
            empty.push_back(startEmptyWindow());
            program.push_back(startTervala(executable, tracePath));
        }
        const double programMs = median(program);
        const double emptyMs = median(empty);
        std::printf("start-up, median of %d runs: tervala on %d rows %.1f ms, empty Qt window %.1f ms, ratio %.2f\n",
                    Runs,
                    Rows,
                    programMs,
                    emptyMs,
                    programMs / emptyMs);
        const QStringList statements = tracedStatements(tracePath);
        std::printf("its %lld statements on a warm cache: through the program's connection %.1f ms, SQLite alone "
                    "%.1f ms\n",
                    qlonglong(statements.size()),
                    throughConnection(folder->path(), statements),
                    throughSqliteAlone(folder->filePath(QStringLiteral("ter.va")), statements));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
