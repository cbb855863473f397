// tervala_crashtest: SIGKILL at random points while the program writes, then the checks a user relies on. Each
// kill runs one scenario in a forked child on a fresh copy of the databases: a builder stage over a few thousand
// rows, "ALL" loading a large name table, or a run of favourite toggles (killed right after one has returned).
// Then: PRAGMA integrity_check is "ok"; the file holds the effect of every statement that had returned (the SQL
// trace names each statement before it runs, so all but the last had returned, and the last may or may not be
// in); and the program runs again on what the kill left (the stage to its end, or the browser's start and "ALL").
// Usage: tervala_crashtest <kills> [seed]. Prints one line per kill (its scenario, and the toggles or milliseconds
// before it), any failed check, and a summary; exit status 1 on a failure.
#include "browser/Form1.h"
#include "builder/Form2.h"
#include "namedb/ConnectionString.h"
#include "namedb/NewDatabase.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/FlexGrid.h"
#include "runtime/controls/OptionButton.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/database/Connection.h"
#include "runtime/database/SqlTrace.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

using namespace tervala;

namespace {

// The four builder stages by their buttons, each with the table it writes, then the browser's two on ter.va.
const char* const Scenarios[] = { "origin", "list", "refine", "merge", "all", "toggle" };
const char* const Tables[] = { "bayiorigin", "bayi20000", "bayiorigin2", "namabayi", "namabayi", "namabayi" };
enum { Refine = 2, All = 4, Toggle = 5 };

QString work; // the template and a folder for each kill
QStringList initial[All + 1], final[All + 1]; // of the scenario's table, before and after a run to the end
int failures = 0;

void check(bool ok, const char* what)
{
    if (!ok) {
        ++failures;
        std::printf("  FAILED: %s\n", what);
    }
}

// The first column of every row of query (by default the rows of the scenario's table) on the scenario's
// database, read as the program reads the file.
QStringList rowsOf(const QString& folder, int scenario, QString query = {})
{
    if (query.isEmpty())
        query = QString("select nama || '|' || arti || '|' || asal || '|' || jk from %1").arg(Tables[scenario]);
    rt::Connection db;
    db.open(jetConnectionString(folder, scenario < All ? "db17000.mdb" : "ter.va"));
    QStringList rows;
    for (rt::Recordset rs = db.executeUntraced(query); !rs.eof(); rs.moveNext())
        rows << rs.field(0).toString();
    return rows;
}

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

// The pages (drive_c, shared by every kill) and the databases each kill starts from: 2,500 list page items,
// 2,000 origin pages, 2,500 rows in bayi20000 and bayiorigin2, 20,800 names in ter.va (800 per initial).
void makeTemplate(const QString& folder)
{
    for (int page = 0; page < 25; ++page) {
        QString text;
        for (int i = page * 100; i < page * 100 + 100; ++i)
            text += QString("<li><font size=\"2\" color=\"#9393FF\">N%1</font> meaning &quot;m&quot;\r\n").arg(i);
        writeFile(folder + QString("/drive_c/data/Tervala/db20000/M_O%1_1.htm").arg(page), text);
    }
    const QString origins = folder + "/drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning/n%1/index.html";
    for (int page = 0; page < 2000; ++page)
        writeFile(origins.arg(page), QString("<h1 class=\"name\">N%1</h1>").arg(page));
    const QString numbers = "with recursive i(n) as (select 0 union all select n + 1 from i where n < %1) ";
    const std::tuple<QString, QString, QStringList> databases[] = {
        { "db17000.mdb",
          "db17000.sql",
          { numbers.arg(2499) + "insert into bayi20000 select 'N' || n, 'm', 'O' || (n / 100), 'M' from i",
            "insert into bayiorigin2 select * from bayi20000" } },
        { "ter.va",
          "ter.va.sql",
          { numbers.arg(20799)
            + "insert into namabayi(nama, arti, asal, jk) select char(65 + n % 26) || n, "
              "'m', 'O' || (n % 40), substr('MF', 1 + n / 26 % 2, 1) from i" } },
    };
    for (const auto& [file, schema, fill] : databases) {
        createDatabase(folder + "/" + file, QStringLiteral(TERVALA_DATA_DIR "/") + schema);
        rt::Connection db;
        db.open(jetConnectionString(folder, file));
        for (const QString& statement : fill)
            db.executeUntraced(statement);
    }
}

// Forks a child that runs the scenario on folder in the program's own windows, offscreen, tracing its SQL. It
// writes a byte to its pipe once its window is up and one after each toggle of one of the first six girls.
pid_t startChild(int scenario, const QString& folder, int& pipeEnd)
{
    int ends[2];
    if (pipe(ends) != 0)
        qFatal("no pipe");
    pipeEnd = ends[0];
    if (const pid_t pid = fork()) {
        close(ends[1]);
        return pid;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    rt::setSqlTracePath(folder + "/sql.log");
    rt::setUnhandledErrorHandler([](const QString& number, const QString& message) {
        std::fprintf(stderr, "Error %s: %s\n", qPrintable(number), qPrintable(message));
        std::_Exit(3);
    });
    int argc = 1;
    char* argv[] = { const_cast<char*>("tervala"), nullptr };
    QApplication app(argc, argv);
    const auto say = [&] { (void)!write(ends[1], "", 1); };
    if (scenario < All) {
        Form2 form(folder);
        form.show();
        say();
        emit std::array { form.Command1, form.Command2, form.Command3, form.Command4 }[scenario]->Click();
        std::_Exit(0);
    }
    Form1 form(folder);
    form.load();
    form.show();
    say();
    if (scenario == All)
        form.Option1[26]->setValue(true);
    for (int i = 0; scenario == Toggle; ++i) {
        form.flex2->setRow(1 + i % 6);
        emit form.flex2->Click();
        say();
    }
    std::_Exit(0);
}

// Runs the scenario on folder to its end or, with killAfter, kills it once that many toggles have returned or
// milliseconds have passed since its window was up. Milliseconds from the window's start to the end or the kill,
// or -1 when the child failed before either.
qint64 run(int scenario, const QString& folder, qint64 killAfter = -1)
{
    int pipeEnd = -1, status = 0;
    const pid_t pid = startChild(scenario, folder, pipeEnd);
    char byte;
    for (qint64 read = 0; read <= (scenario == Toggle ? killAfter : 0); ++read)
        check(::read(pipeEnd, &byte, 1) == 1, "the child stopped");
    QElapsedTimer timer;
    timer.start();
    if (killAfter >= 0)
        usleep(useconds_t(scenario == Toggle ? 0 : killAfter * 1000));
    const bool ended = waitpid(pid, &status, killAfter < 0 ? 0 : WNOHANG) == pid;
    if (!ended && kill(pid, SIGKILL) == 0)
        waitpid(pid, nullptr, 0);
    close(pipeEnd);
    return status == 0 ? timer.elapsed() : -1;
}

QString freshFolder(const QString& name)
{
    const QString folder = work + "/" + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (const char* file : { "/ter.va", "/db17000.mdb" })
        QFile::copy(work + "/template" + file, folder + file);
    QFile::link(work + "/template/drive_c", folder + "/drive_c");
    return folder;
}

// The table holds what it held before the stage (nothing once the stage's "delete" has returned), then the rows
// of the inserts that had returned, perhaps one more; a run to the end then completes it.
void checkStage(int scenario, const QString& folder, const QStringList& trace)
{
    const QString insert = QString("db17000.mdb\tinsert into %1(").arg(Tables[scenario]);
    const QString empty = QString("db17000.mdb\tdelete from %1").arg(Tables[scenario]);
    const QString last = trace.value(trace.size() - 1);
    qsizetype returned = 0;
    bool emptied = false;
    for (qsizetype i = 0; i + 1 < trace.size(); ++i) {
        emptied = emptied || trace[i] == empty;
        returned = trace[i] == empty ? 0 : returned + trace[i].startsWith(insert);
    }
    const QStringList rows = rowsOf(folder, scenario);
    const QStringList before = emptied || (last == empty && rows.isEmpty()) ? QStringList() : initial[scenario];
    const QStringList written = final[scenario].mid(scenario < Refine ? 0 : initial[scenario].size());
    const qsizetype added = rows.size() - before.size();
    check(added >= returned && added <= returned + last.startsWith(insert) && rows == before + written.mid(0, added),
          "the table does not hold the rows of the inserts that had returned");
    check(run(scenario, folder) >= 0, "the stage does not run again");
    check(rowsOf(folder, scenario) == (scenario == Refine ? rows + written : final[scenario]),
          "the table is not complete after a run to the end");
}

// The favourites are the names toggled an odd number of times, counting the last toggle or, when it is the last
// statement, perhaps not; loading changes none. The browser then starts and loads "ALL".
void checkFavourites(const QString& folder, const QStringList& trace)
{
    const QString update = "ter.va\tupdate namabayi set fav=not fav where nama='";
    QSet<QString> on, withoutLast;
    for (const QString& line : trace) {
        if (line.startsWith(update)) {
            withoutLast = on;
            if (!on.remove(line.mid(update.size()).chopped(1)))
                on.insert(line.mid(update.size()).chopped(1));
        }
    }
    const QStringList rows = rowsOf(folder, All, "select nama from namabayi where fav=true");
    const QSet<QString> favourites(rows.begin(), rows.end());
    check(favourites == on || (trace.value(trace.size() - 1).startsWith(update) && favourites == withoutLast),
          "the favourites are not those of the toggles that had returned");
    check(run(All, folder) >= 0, "the browser does not start again");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tervala_crashtest <kills> [seed]\n");
        return 2;
    }
    const int kills = QByteArray(argv[1]).toInt();
    const quint32 seed = argc > 2 ? QByteArray(argv[2]).toUInt() : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    std::printf("seed %u, %d kills\n", seed, kills);
    // In memory where there is one: a kill loses no more in a RAM file system, and the thousands of commits a
    // stage makes run without waiting for a disk.
    const QTemporaryDir dir((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath()) + "/tervala-crash-XXXXXX");
    work = dir.path();
    makeTemplate(work + "/template");
    qint64 durationMs[All + 1];
    for (int scenario = 0; scenario <= All; ++scenario) {
        const QString folder = freshFolder("calibrate");
        initial[scenario] = rowsOf(folder, scenario);
        if ((durationMs[scenario] = run(scenario, folder)) < 0)
            qFatal("%s does not run to its end", Scenarios[scenario]);
        final[scenario] = rowsOf(folder, scenario);
        std::printf("calibration: %s takes %lld ms\n", Scenarios[scenario], durationMs[scenario]);
    }
    for (int i = 0; i < kills; ++i) {
        const int scenario = i % 6;
        const QString folder = freshFolder(QString::number(i % 8));
        // Killed once a random number of toggles have returned, or a random time into the stage or load.
        const qint64 wait = scenario == Toggle ? random.bounded(1, 41) : random.bounded(durationMs[scenario] * 11 / 10);
        std::printf("kill %d: %s after %lld\n", i + 1, Scenarios[scenario], wait);
        check(run(scenario, folder, wait) >= 0, "the child failed before the kill");
        QFile log(folder + "/sql.log");
        const QStringList trace
            = log.open(QIODevice::ReadOnly) ? QString(log.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
        check(rowsOf(folder, scenario, "pragma integrity_check") == QStringList { "ok" }, "integrity_check");
        scenario < All ? checkStage(scenario, folder, trace) : checkFavourites(folder, trace);
        std::fflush(stdout);
    }
    std::printf("%d kills, %d failures\n", kills, failures);
    return failures == 0 ? 0 : 1;
}
