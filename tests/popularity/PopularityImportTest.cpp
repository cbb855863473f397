// The import into popularity.db: what it stores, and that every kind of failure leaves the old file as it was.
#include "PopularitySource.h"
#include "TestSupport.h"
#include "runtime/DbError.h"
#include "runtime/FileError.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tervala::importPopularity;
using tervala::PopularityNote;

class PopularityImportTest : public ::testing::Test {
protected:
    QString sourcePath() const { return m_dir.filePath("us-name-data.sqlite"); }
    QString folder() const { return m_dir.filePath("program"); }
    QString targetPath() const { return folder() + "/popularity.db"; }

    PopularityNote import(const QString& source)
    {
        return importPopularity(source, folder(), [this](const QString& line) { m_progress << line; });
    }

    QStringList storedRows(const QString& query)
    {
        tervala::rt::Connection connection;
        connection.open(TestDatabase::connectionString(targetPath()));
        QStringList rows;
        for (auto rs = connection.execute(query); !rs.eof(); rs.moveNext())
            rows << QStringList { rs.field(0).toString(),
                                  rs.field(1).toString(),
                                  rs.field(2).toString(),
                                  rs.field(3).toString(),
                                  rs.field(4).toString() }
                        .join('|');
        return rows;
    }

    QByteArray targetBytes() const
    {
        QFile file(targetPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder())); }

    QTemporaryDir m_dir;
    QStringList m_progress;
};

TEST_F(PopularityImportTest, StoresEveryRowUnderItsUpperCasedNameAndNotesTheSource)
{
    writeSourceFile(sourcePath(), SampleRows);
    const PopularityNote note = import(sourcePath());
    EXPECT_EQ(note.rows, 11);
    EXPECT_EQ(storedRows("select source, rows, first_year, last_year, '' from about"),
              QStringList { "us-name-data.sqlite|11|2022|2024|" });
    EXPECT_EQ(storedRows("select name, sex, year, births, rank from births"),
              QStringList({ "ADA|F|2022|3000|5",
                            "ADA|F|2023|2500|6",
                            "JORDAN|F|2023|80|300",
                            "JORDAN|F|2024|95|280",
                            "JORDAN|M|2022|900|40",
                            "JORDAN|M|2024|1200|33",
                            "MARY|F|2022|5000|2",
                            "MARY|F|2023|6000|1",
                            "MARY|F|2024|4000|3",
                            "ZOË|F|2022|12|900",
                            "ZOË|F|2024|20|700" }));
    EXPECT_EQ(m_progress.last(), "Done: " + QDir::toNativeSeparators(targetPath()));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList { "popularity.db" });

    // A second import replaces the file whole.
    writeSourceFile(sourcePath(), { { 7, "eve", "F", 10, 9, 1999 } });
    import(sourcePath());
    EXPECT_EQ(storedRows("select name, sex, year, births, rank from births"), QStringList { "EVE|F|1999|10|9" });
}

TEST_F(PopularityImportTest, AFailedImportLeavesTheOldFileAndNoTemporaryFile)
{
    writeSourceFile(sourcePath(), SampleRows);
    import(sourcePath());
    const QByteArray before = targetBytes();
    ASSERT_FALSE(before.isEmpty());

    const QString table = "create table usNameData(id integer primary key, name text, sex text, births integer, "
                          "rank integer, year integer)";
    const struct {
        const char* what;
        std::function<void(const QString&)> makeSource;
        QString reason; // empty: the engine's error
    } cases[] = {
        { "missing file", [](const QString&) {}, "No such file" },
        { "not a database",
          [](const QString& path) {
              QFile file(path);
              file.open(QIODevice::WriteOnly);
              file.write("name,sex,births\nmary,F,5\n");
          },
          "Not an SQLite database file" },
        { "another table",
          [](const QString& path) { writeSourceFile(path, {}, "create table names(name text)"); },
          "No table usNameData in the file" },
        { "columns missing",
          [](const QString& path) {
              writeSourceFile(path, {}, "create table USNAMEDATA(ID integer, Name text, sex text, year integer)");
          },
          "The table usNameData lacks the column(s) births, rank" },
        { "no rows",
          [&](const QString& path) { writeSourceFile(path, {}, table); },
          "The table usNameData holds no rows" },
        { "a name twice in one year, found only when the rows are written",
          [&](const QString& path) {
              writeSourceFile(path, { { 1, "mary", "F", 5, 1, 2000 }, { 2, "MARY", "F", 6, 2, 2000 } }, table);
          },
          {} },
    };
    for (const auto& badSource : cases) {
        SCOPED_TRACE(badSource.what);
        const QString path = m_dir.filePath(QString("bad-%1.sqlite").arg(&badSource - cases));
        badSource.makeSource(path);
        try {
            import(path);
            ADD_FAILURE() << "the import succeeded";
        } catch (const tervala::rt::FileError& error) {
            EXPECT_EQ(error.reason(), badSource.reason);
            EXPECT_EQ(error.path(), path);
        } catch (const tervala::rt::DbError& error) {
            EXPECT_TRUE(badSource.reason.isEmpty()) << error.what();
        }
        EXPECT_EQ(targetBytes(), before);
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList { "popularity.db" });
    }
}
