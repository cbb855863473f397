// The browser window on a broken or busy name database: each fault is one clear error at start-up, and a lock
// that another program holds for a few seconds is waited for, not reported.
#include "TestDatabase.h"
#include "browser/Form1.h"
#include "runtime/controls/UnhandledError.h"

#include <QSemaphore>

#include <chrono>
#include <thread>

using namespace tervala;

namespace {

QStringList startUpErrors(const QString& programFolder)
{
    QStringList errors;
    rt::setUnhandledErrorHandler(
        [&](const QString& number, const QString& message) { errors << number + ": " + message; });
    Form1(programFolder).load();
    rt::setUnhandledErrorHandler({});
    return errors;
}

} // namespace

TEST(NameDatabaseFaults, EachIsOneClearErrorAtStartUp)
{
    const struct {
        QByteArray file; // the bytes of ter.va; null for none, "/" for a folder
        QString error; // the start of the one error reported
    } cases[] = {
        { {}, "14: unable to open database file" },
        { "/", "14: unable to open database file" },
        { "", "1: no such table: namabayi" },
        { QByteArray(4096, 'x'), "26: file is not a database" },
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        if (c.file == "/") {
            QDir().mkdir(folder.filePath("ter.va"));
        } else if (!c.file.isNull()) {
            ASSERT_TRUE(writeFile(folder.filePath("ter.va"), c.file));
        }
        const QStringList errors = startUpErrors(folder.path());
        ASSERT_EQ(errors.size(), 1) << c.file.size();
        EXPECT_TRUE(errors.at(0).startsWith(c.error)) << errors.at(0).toStdString();
    }
}

TEST(NameDatabaseFaults, LockHeldForSecondsIsWaitedFor)
{
    TestDatabase db { "ter.va", "ter.va.sql" };
    db.insert("namabayi", "nama,asal,jk", { { "Anna", "Hebrew", "F" } });
    QSemaphore locked;
    std::thread holder([&] {
        rt::Connection other;
        other.open(TestDatabase::connectionString(db.path()));
        other.execute("begin exclusive");
        locked.release();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        other.execute("commit");
    });
    locked.acquire();
    EXPECT_EQ(startUpErrors(db.folder()), QStringList());
    holder.join();
}
