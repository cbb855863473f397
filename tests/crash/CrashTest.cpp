// tervala_crashtest: SIGKILL at random points while the program writes, then the checks a user relies on. Each
// kill runs one scenario in a child process on a fresh copy of the databases: a builder stage over a few
// thousand rows, "ALL" loading a large name table, or a run of favourite toggles (killed right after one has
// returned). Then: PRAGMA integrity_check is "ok"; the file holds the effect of every statement that had
// returned (the SQL trace gives the statements sent; all but the last had returned, and the last may or may
// not be in); and the program starts again (the browser binary loads, a builder stage runs to its end).
// Usage: tervala_crashtest <kills> [seed]. Prints one line per kill and a summary; exit status 1 on a failure.
#include "browser/Form1.h"
#include "builder/Form2.h"
#include "runtime/CheckBox.h"
#include "runtime/CommandButton.h"
#include "runtime/Connection.h"
#include "runtime/FlexGrid.h"
#include "runtime/OptionButton.h"
#include "runtime/UnhandledError.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <unistd.h>

using namespace tervala;

namespace {

enum class Scenario { Origin, List, Refine, Merge, All, Toggle };
const Scenario Scenarios[]
    = { Scenario::Origin, Scenario::List, Scenario::Refine, Scenario::Merge, Scenario::All, Scenario::Toggle };
const char* const ScenarioNames[] = { "origin", "list", "refine", "merge", "all", "toggle" };

constexpr int ListPages = 25;
constexpr int ItemsPerPage = 100; // 2,500 rows in bayi20000, bayiorigin2 and namabayi of the staging database
constexpr int OriginPages = 2000;
constexpr int Names = 26 * 800; // ter.va: 800 names per initial, half boys, half girls
constexpr int ToggleRows = 6;

const char* nameOf(Scenario scenario)
{
    return ScenarioNames[int(scenario)];
}

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

void openFile(rt::Connection& connection, const QString& path)
{
    connection.open("provider=Microsoft.jet.oledb.4.0;data source=" + path + ";");
}

QStringList rowsOf(const QString& path, const QString& query)
{
    rt::Connection connection;
    openFile(connection, path);
    QStringList rows;
    for (rt::Recordset rs = connection.execute(query); !rs.eof(); rs.moveNext())
        rows << rs.field(0).toString();
    return rows;
}

void createDatabase(const QString& path, const QString& schemaFile, const std::function<void(rt::Connection&)>& fill)
{
    QFile(path).open(QIODevice::WriteOnly);
    rt::Connection connection;
    openFile(connection, path);
    QFile schema(QStringLiteral(TERVALA_DATA_DIR) + "/" + schemaFile);
    if (!schema.open(QIODevice::ReadOnly))
        fail("cannot read " + schema.fileName());
    QStringList lines = QString::fromUtf8(schema.readAll()).split('\n');
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("--")); });
    for (const QString& statement : lines.join('\n').split(';')) {
        if (!statement.trimmed().isEmpty())
            connection.execute(statement);
    }
    connection.execute("begin");
    fill(connection);
    connection.execute("commit");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("cannot write " + path);
}

// The shared pages (drive_c) and the two databases as each kill starts from them.
void makeTemplate(const QString& folder)
{
    const QString listFolder = folder + "/drive_c/data/Tervala/db20000/";
    QStringList staged;
    for (int page = 0; page < ListPages; ++page) {
        QByteArray text;
        for (int item = 0; item < ItemsPerPage; ++item) {
            const QString name = QString("Name%1x%2").arg(page).arg(item);
            text += "<li><font size=\"2\" color=\"#9393FF\">" + name.toUtf8() + "</font> meaning &quot;m"
                + name.toUtf8() + "&quot;\r\n";
            staged << QString("'%1','m%1','Origin%2','M'").arg(name).arg(page);
        }
        writeBytes(listFolder + QString("M_Origin%1_1.htm").arg(page), text);
    }
    const QString originRoot = folder + "/drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning/";
    for (int page = 0; page < OriginPages; ++page)
        writeBytes(originRoot + QString("n%1/index.html").arg(page),
                   QString("<h1 class=\"name\">Name%1</h1><h2 class=\"origin\"><a>Greek</a></h2>&middot; "
                           "Female<p class=\"meaning\">m%1</p>")
                       .arg(page)
                       .toUtf8());
    createDatabase(folder + "/db17000.mdb", "db17000.sql", [&](rt::Connection& db) {
        for (const QString& values : staged) {
            db.execute("insert into bayi20000(nama,arti,asal,jk) values(" + values + ")");
            db.execute("insert into bayiorigin2(nama,arti,asal,jk) values(" + values + ")");
        }
    });
    createDatabase(folder + "/ter.va", "ter.va.sql", [](rt::Connection& db) {
        for (int i = 0; i < Names; ++i)
            db.execute(
                QString("insert into namabayi(nama,arti,asal,jk) values('%1name%2','meaning %2','Origin%3','%4')")
                    .arg(QChar('A' + i % 26))
                    .arg(i)
                    .arg(i % 40)
                    .arg(i / 26 % 2 ? 'F' : 'M'));
    });
}

// ---- the child: runs one scenario with the program's own windows, offscreen ----

void toggleRun(Form1& form)
{
    for (int i = 0;; ++i) {
        const int row = 1 + i % ToggleRows;
        form.flex2->setRow(row);
        emit form.flex2->Click();
        std::printf("toggled %s\n", qPrintable(form.flex2->textMatrix(row, 0)));
        std::fflush(stdout);
    }
}

int runChild(Scenario scenario, const QString& folder)
{
    rt::setUnhandledErrorHandler([](const QString& number, const QString& message) {
        std::fprintf(stderr, "Error %s: %s\n", qPrintable(number), qPrintable(message));
        std::_Exit(3);
    });
    const auto go = [] {
        std::printf("go\n");
        std::fflush(stdout);
    };
    if (scenario == Scenario::All || scenario == Scenario::Toggle) {
        Form1 form(folder);
        form.load();
        form.show();
        go();
        if (scenario == Scenario::All)
            form.Option1[26]->setValue(true);
        else
            toggleRun(form);
        return 0;
    }
    Form2 form(folder);
    form.show();
    go();
    rt::CommandButton* buttons[] = { form.Command1, form.Command2, form.Command3, form.Command4 };
    emit buttons[int(scenario)]->Click();
    return 0;
}

// ---- the parent ----

struct Child {
    QProcess process;
    QStringList lines; // stdout lines read so far
};

void startChild(Child& child, Scenario scenario, const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TERVALA_SQL_TRACE", folder + "/sql.log");
    child.process.setProcessEnvironment(environment);
    child.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.process.start(QCoreApplication::applicationFilePath(), { "--child", nameOf(scenario), folder });
    if (!child.process.waitForStarted())
        fail("the child did not start");
}

// Reads stdout lines until count lines are in, the child ends, or timeoutMs passes; returns whether all are in.
bool readLines(Child& child, int count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (child.lines.size() < count) {
        while (child.process.canReadLine())
            child.lines << QString::fromUtf8(child.process.readLine()).trimmed();
        if (child.lines.size() >= count)
            break;
        if (child.process.state() == QProcess::NotRunning || timer.elapsed() > timeoutMs)
            return false;
        child.process.waitForReadyRead(50);
    }
    return true;
}

QStringList traceOf(const QString& folder)
{
    QFile trace(folder + "/sql.log");
    if (!trace.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(trace.readAll()).split('\n', Qt::SkipEmptyParts);
}

struct BuilderTarget {
    QString table;
    bool emptiedFirst;
};

BuilderTarget targetOf(Scenario scenario)
{
    switch (scenario) {
    case Scenario::Origin:
        return { "bayiorigin", true };
    case Scenario::List:
        return { "bayi20000", true };
    case Scenario::Refine:
        return { "bayiorigin2", false };
    default:
        return { "namabayi", false };
    }
}

QStringList tableRows(const QString& database, const QString& table)
{
    return rowsOf(database, "select nama || '|' || arti || '|' || asal || '|' || jk from " + table + " order by rowid");
}

class Tester {
public:
    Tester(const QString& work, quint32 seed)
        : m_work(work)
        , m_random(seed)
    {
        makeTemplate(m_work + "/template");
        for (Scenario scenario : { Scenario::Origin, Scenario::List, Scenario::Refine, Scenario::Merge }) {
            const QString folder = freshFolder("calibrate");
            const BuilderTarget target = targetOf(scenario);
            m_initial[scenario] = tableRows(folder + "/db17000.mdb", target.table);
            QElapsedTimer timer;
            timer.start();
            runToEnd(scenario, folder);
            m_durationMs[scenario] = timer.elapsed();
            m_final[scenario] = tableRows(folder + "/db17000.mdb", target.table);
            std::printf("calibration: %s takes %lld ms, %lld rows\n",
                        nameOf(scenario),
                        m_durationMs[scenario],
                        qlonglong(m_final[scenario].size()));
            std::fflush(stdout);
        }
        const QString folder = freshFolder("calibrate");
        QElapsedTimer timer;
        timer.start();
        runToEnd(Scenario::All, folder);
        m_durationMs[Scenario::All] = timer.elapsed();
        std::printf("calibration: all takes %lld ms\n", m_durationMs[Scenario::All]);
    }

    // One kill in scenario; throws on a failed check. Returns what was checked, for the log line.
    QString killOnce(Scenario scenario, int number)
    {
        const QString folder = freshFolder(QString::number(number));
        Child child;
        startChild(child, scenario, folder);
        if (!readLines(child, 1, 60000) || child.lines.first() != "go")
            fail("the child did not get going");
        QString when;
        if (scenario == Scenario::Toggle) {
            const int toggles = 1 + int(m_random.bounded(40));
            if (!readLines(child, 1 + toggles, 60000))
                fail("the toggles stopped");
            when = QString("after toggle %1").arg(toggles);
        } else {
            const qint64 delay = qint64(m_random.bounded(double(m_durationMs[scenario]) * 1.1));
            QThread::msleep(quint64(delay));
            when = QString("at %1 ms").arg(delay);
        }
        const bool ranToEnd = child.process.state() == QProcess::NotRunning;
        child.process.kill();
        child.process.waitForFinished();
        if (ranToEnd && child.process.exitCode() != 0)
            fail("the child failed before the kill");
        readLines(child, int(child.lines.size()) + 1000, 0);

        const QString database
            = folder + (scenario == Scenario::All || scenario == Scenario::Toggle ? "/ter.va" : "/db17000.mdb");
        const QStringList integrity = rowsOf(database, "pragma integrity_check");
        if (integrity != QStringList { "ok" })
            fail("integrity_check: " + integrity.join(' '));
        const QStringList trace = traceOf(folder);
        if (scenario == Scenario::All || scenario == Scenario::Toggle)
            checkBrowser(scenario, database, trace, child.lines.mid(1), folder);
        else
            checkBuilder(scenario, database, trace, folder);
        return QString("%1 %2%3, %4 statements traced")
            .arg(nameOf(scenario), when, ranToEnd ? " (had ended)" : "")
            .arg(trace.size());
    }

private:
    QString freshFolder(const QString& name)
    {
        const QString folder = m_work + "/" + name;
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        for (const char* file : { "ter.va", "db17000.mdb" })
            QFile::copy(m_work + "/template/" + file, folder + "/" + file);
        QFile::link(m_work + "/template/drive_c", folder + "/drive_c");
        // The program finds its databases beside its executable: a hard link puts it in this folder.
        if (::link(TERVALA_EXECUTABLE, QFile::encodeName(folder + "/tervala").constData()) != 0)
            QFile::copy(TERVALA_EXECUTABLE, folder + "/tervala");
        return folder;
    }

    void runToEnd(Scenario scenario, const QString& folder)
    {
        Child child;
        startChild(child, scenario, folder);
        if (!child.process.waitForFinished(600000) || child.process.exitCode() != 0)
            fail(QString("%1 did not run to its end").arg(nameOf(scenario)));
    }

    // The rows of the stage's table are those of the statements that had returned, and perhaps the last one's.
    void checkBuilder(Scenario scenario, const QString& database, const QStringList& trace, const QString& folder)
    {
        const BuilderTarget target = targetOf(scenario);
        const QString insert = "db17000.mdb\tinsert into " + target.table + "(";
        const QString empty = "db17000.mdb\tdelete from " + target.table;
        const QStringList& initial = m_initial[scenario];
        const QStringList& final = m_final[scenario];
        // The rows written after the table was emptied, or after the rows it held before.
        const QStringList written = target.emptiedFirst ? final : final.mid(initial.size());
        qsizetype returned = 0;
        bool emptied = false;
        for (qsizetype i = 0; i + 1 < trace.size(); ++i) {
            if (trace[i] == empty) {
                emptied = true;
                returned = 0;
            } else if (trace[i].startsWith(insert)) {
                ++returned;
            }
        }
        const QString last = trace.value(trace.size() - 1);
        QList<QStringList> allowed;
        if (!target.emptiedFirst)
            allowed << initial + written.mid(0, returned);
        else if (emptied)
            allowed << written.mid(0, returned);
        else if (last == empty)
            allowed << initial << QStringList();
        else
            allowed << initial;
        if (last.startsWith(insert))
            allowed << allowed.first() + written.mid(returned, 1);
        const QStringList rows = tableRows(database, target.table);
        if (!allowed.contains(rows))
            fail(QString("%1 holds %2 rows, not the %3 of the statements that had returned")
                     .arg(target.table)
                     .arg(rows.size())
                     .arg(allowed.first().size()));
        // The program starts again: the stage runs to its end on what the kill left.
        runToEnd(scenario, folder);
        const QStringList after = tableRows(database, target.table);
        if (target.emptiedFirst || scenario == Scenario::Merge ? after != final : after.mid(rows.size()) != written)
            fail(QString("%1 after a full run holds %2 rows").arg(target.table).arg(after.size()));
    }

    void checkBrowser(Scenario scenario,
                      const QString& database,
                      const QStringList& trace,
                      const QStringList& reported,
                      const QString& folder)
    {
        const QStringList favourites = rowsOf(database, "select nama from namabayi where fav=true order by nama");
        if (scenario == Scenario::All && !favourites.isEmpty())
            fail("loading changed favourites");
        if (scenario == Scenario::Toggle) {
            std::map<QString, int> returned; // toggles reported back by the child, per name
            std::map<QString, int> sent; // update statements traced, per name
            for (const QString& line : reported)
                ++returned[line.mid(QString("toggled ").size())];
            for (const QString& line : trace) {
                const QString prefix = "ter.va\tupdate namabayi set fav=not fav where nama='";
                if (line.startsWith(prefix))
                    ++sent[line.mid(prefix.size()).chopped(1)];
            }
            for (const auto& [name, count] : sent) {
                const bool on = favourites.contains(name);
                const int back = returned[name];
                if (on != bool(back % 2) && !(count == back + 1 && on == bool(count % 2)))
                    fail(QString("%1: toggled %2 times (%3 returned), favourite %4")
                             .arg(name)
                             .arg(count)
                             .arg(back)
                             .arg(on));
            }
            for (const QString& name : favourites) {
                if (!sent.count(name))
                    fail(name + " is a favourite without a toggle");
            }
        }
        // The program starts again: its start-up loads both lists of initial A twice (nine statements).
        QFile::remove(folder + "/sql.log");
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TERVALA_SQL_TRACE", folder + "/sql.log");
        program.setProcessEnvironment(environment);
        program.start(folder + "/tervala", {});
        QElapsedTimer timer;
        timer.start();
        while (traceOf(folder).size() < 9 && program.state() != QProcess::NotRunning && timer.elapsed() < 60000)
            program.waitForFinished(50);
        // The last statement is traced before it runs: give the load a moment to finish, or fail.
        const bool running = program.state() == QProcess::Running && !program.waitForFinished(500);
        program.kill();
        program.waitForFinished();
        if (!running || traceOf(folder).size() != 9)
            fail("the program did not start again: " + QString::fromUtf8(program.readAllStandardError()));
    }

    QString m_work;
    QRandomGenerator m_random;
    std::map<Scenario, QStringList> m_initial;
    std::map<Scenario, QStringList> m_final;
    std::map<Scenario, qint64> m_durationMs;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        QApplication app(argc, argv);
        for (Scenario scenario : Scenarios) {
            if (QByteArray(argv[2]) == nameOf(scenario))
                return runChild(scenario, QString::fromLocal8Bit(argv[3]));
        }
        return 2;
    }
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tervala_crashtest <kills> [seed]\n");
        return 2;
    }
    const int kills = QByteArray(argv[1]).toInt();
    const quint32 seed = argc > 2 ? QByteArray(argv[2]).toUInt() : QRandomGenerator::global()->generate();
    std::printf("seed %u, %d kills\n", seed, kills);
    // In memory where there is one: a kill loses no more in a RAM file system, and the thousands of commits a
    // stage makes run without waiting for a disk.
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir work(base + "/tervala-crash-XXXXXX");
    int failures = 0;
    try {
        Tester tester(work.path(), seed);
        for (int i = 0; i < kills; ++i) {
            const Scenario scenario = Scenarios[i % std::size(Scenarios)];
            try {
                std::printf("kill %d: %s\n", i + 1, qPrintable(tester.killOnce(scenario, i % 8)));
            } catch (const std::exception& error) {
                ++failures;
                std::printf("kill %d: %s FAILED: %s\n", i + 1, nameOf(scenario), error.what());
            }
            std::fflush(stdout);
        }
    } catch (const std::exception& error) {
        std::printf("FAILED: %s\n", error.what());
        return 1;
    }
    std::printf("%d kills, %d failures\n", kills, failures);
    return failures == 0 ? 0 : 1;
}
