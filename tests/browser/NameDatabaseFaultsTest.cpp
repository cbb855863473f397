// The browser window on a broken or busy name database: each fault is one clear error at start-up, and a lock
// that another program holds for a few seconds is waited for, not reported.
#include "TestDatabase.h"
#include "TestSupport.h"
#include "browser/Form1.h"
#include "runtime/UnhandledError.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace tervala;

namespace {

QStringList startUpErrors(const QString& programFolder)
{
    QStringList errors;
    rt::setUnhandledErrorHandler(
        [&](const QString& number, const QString& message) { errors << number + ": " + message; });
    {
        Form1 form(programFolder);
        form.load();
    }
    rt::setUnhandledErrorHandler({});
    return errors;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(NameDatabaseFaults, EachIsOneClearErrorAtStartUp)
{
    const struct {
        const char* label;
        std::function<void(const QString& path)> make;
        QString error; // the start of the one error reported
    } cases[] = {
        { "missing", [](const QString&) {}, "14: unable to open database file" },
        { "empty", [](const QString& path) { writeFile(path, {}); }, "1: no such table: namabayi" },
        { "not a database",
          [](const QString& path) { writeFile(path, QByteArray(4096, 'x')); },
          "26: file is not a database" },
        { "a directory", [](const QString& path) { QDir().mkdir(path); }, "14: unable to open database file" },
        { "without namabayi",
          [](const QString& path) {
              writeFile(path, {});
              rt::Connection db;
              db.open(TestDatabase::connectionString(path));
              db.execute("create table names (nama text)");
          },
          "1: no such table: namabayi" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QTemporaryDir folder;
        c.make(folder.filePath("ter.va"));
        const QStringList errors = startUpErrors(folder.path());
        ASSERT_EQ(errors.size(), 1);
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
