// A user's ter.va across a package upgrade that brings new sample names: the start adds them once, keeps every
// favourite and the user's own names, and an upgrade killed at any point leaves the file as it was or complete.
#include "namedb/SampleNames.h"

#include "TestDatabase.h"
#include "namedb/ProgramFolder.h"

#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace tervala;

namespace {

const auto sqlite = &TestDatabase::plainSqlite;

void copy(const QString& from, const QString& to)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(to).path()));
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
}

} // namespace

TEST(SampleNames, AnUpgradeAddsTheNewSampleNamesOnceKeepingFavouritesAndOwnNames)
{
    TestDatabase userFile("ter.va", "ter.va.sql"); // as the old package seeded it, then used for months
    userFile.insert("namabayi",
                    "nama,jk,asal,arti,fav",
                    { { "Ava", "F", "Latin", "bird", "1" },
                      { "Zoë", "F", "Greek", "life", "0" },
                      { "Nenek", "F", QString(), QString(), "1" } });
    TestDatabase packaged("ter.va", "ter.va.sql");
    packaged.insert("namabayi",
                    "nama,jk,asal,arti",
                    { { "Ava", "F", "Latin", "bird" },
                      { "Zoë", "F", "Greek", "life" },
                      { "James", "M", "Hebrew", "supplanter" },
                      { "Ava", "F", "Persian", "voice" },
                      { "zoë", "F", "Greek", "life" },
                      { "Zoë", "M", "Greek", "life" } });
    sqlite(packaged.path(), "pragma user_version = 42");

    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin");
    const QString user = root.filePath("home/tervala/ter.va");
    ASSERT_TRUE(QDir().mkpath(bin));
    copy(packaged.path(), root.filePath("usr/share/tervala/ter.va"));
    copy(packaged.path(), root.filePath("usr/share/tervala/db17000.mdb"));
    copy(userFile.path(), user);

    const QString rows
        = "select group_concat(nama || '/' || ifnull(asal, '-') || '/' || jk || '/' || fav, ' ') from namabayi";
    ASSERT_EQ(prepareProgramFolder(bin, root.filePath("home")), QFileInfo(user).path());
    // Rows compare exactly: another origin, another case and the other list are new rows.
    EXPECT_EQ(sqlite(user, rows),
              QStringList { "Ava/Latin/F/1 Zoë/Greek/F/0 Nenek/-/F/1 James/Hebrew/M/0 "
                            "Ava/Persian/F/0 zoë/Greek/F/0 Zoë/Greek/M/0" });
    EXPECT_EQ(sampleMarkOf(user), 42);

    // Once: what the user deletes afterwards stays deleted, and the next start changes nothing.
    sqlite(user, "delete from namabayi where nama = 'James'");
    prepareProgramFolder(bin, root.filePath("home"));
    EXPECT_EQ(sqlite(user, "select count(*) from namabayi where nama = 'James'"), QStringList { "0" });
    EXPECT_EQ(sqlite(user, "select count(*) from namabayi"), QStringList { "6" });

    // A damaged user's file postpones the upgrade; the start goes on and the file is left for the program to report.
    ASSERT_TRUE(writeFile(user, "not a database"));
    sqlite(root.filePath("usr/share/tervala/ter.va"), "pragma user_version = 43");
    EXPECT_EQ(prepareProgramFolder(bin, root.filePath("home")), QFileInfo(user).path());
}

TEST(SampleNames, AnUpgradeKilledAtAnyPointLeavesTheOldFileOrTheWholeUpgrade)
{
    TestDatabase packaged("ter.va", "ter.va.sql");
    sqlite(packaged.path(),
           "with recursive n(i) as (select 1 union all select i + 1 from n where i < 200000) "
           "insert into namabayi (nama, jk, asal) select 'Name' || i, 'F', 'Latin' from n");
    sqlite(packaged.path(), "pragma user_version = 7");
    TestDatabase old("ter.va", "ter.va.sql");
    old.insert("namabayi", "nama,jk,asal,fav", { { "Ava", "F", "Latin", "1" } });

    QTemporaryDir root;
    const QString user = root.filePath("ter.va");
    for (const int killAfterMs : { 1, 5, 20, 60, 200 }) {
        copy(old.path(), user);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            addNewSampleNames(user, packaged.path());
            _exit(0);
        }
        QThread::msleep(killAfterMs);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        ASSERT_EQ(sqlite(user, "pragma integrity_check"), QStringList { "ok" });
        const QStringList state = sqlite(user, "select count(*) || ' ' || sum(fav) from namabayi");
        const QStringList mark = sqlite(user, "pragma user_version");
        EXPECT_TRUE((state == QStringList { "1 1" } && mark == QStringList { "0" })
                    || (state == QStringList { "200001 1" } && mark == QStringList { "7" }))
            << "killed after " << killAfterMs << " ms: " << state.join(' ').toStdString() << ", mark "
            << mark.join(' ').toStdString();
    }
}
