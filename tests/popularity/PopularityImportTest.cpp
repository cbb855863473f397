// The import into popularity.db and the file read back: every row under its upper-cased name, so a lookup
// ignores letter case but keeps accents; a failed import leaves the old file as it was and no other file.
#include "PopularitySource.h"
#include "runtime/database/DbError.h"
#include "runtime/hostfiles/FileError.h"

#include <QTemporaryDir>

using namespace tervala;

class PopularityImport : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void import(const QString& name)
    {
        importPopularity(path(name), m_dir.path(), [](const QString&) {});
    }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files); }

    QTemporaryDir m_dir;
};

TEST_F(PopularityImport, StoresEveryRowAndReadsItBack)
{
    EXPECT_EQ(PopularityFile::openIn(m_dir.path()), nullptr);
    writeSourceFile(path("us.sqlite"), SampleRows);
    import("us.sqlite");
    const auto file = PopularityFile::openIn(m_dir.path());
    ASSERT_NE(file, nullptr);
    const PopularityNote& note = file->note();
    EXPECT_EQ(QString("%1 %2 %3-%4").arg(note.source).arg(note.rows).arg(note.firstYear).arg(note.lastYear),
              "us.sqlite 11 2022-2024");
    // An accented name without a record of its own is found without its accents; one with its own keeps it.
    const QList<YearCount> jordan = { { 2023, 80, 300 }, { 2024, 95, 280 } };
    const QList<YearCount> mary = { { 2022, 5000, 2 }, { 2023, 6000, 1 }, { 2024, 4000, 3 } };
    const QList<YearCount> zoe = { { 2022, 12, 900 }, { 2024, 20, 700 } };
    const std::tuple<QString, Gender, QString, QList<YearCount>> cases[] = {
        // name, sex, the spelling found, its years
        { "JorDAN", Gender::Male, "JorDAN", { { 2022, 900, 40 }, { 2024, 1200, 33 } } },
        { "jordan", Gender::Female, "jordan", jordan },
        { "Jördan", Gender::Female, "Jordan", jordan },
        { "Mary", Gender::Female, "Mary", mary },
        { "Märy", Gender::Female, "Mary", mary },
        { "ZOË", Gender::Female, "ZOË", zoe },
        { "Zoë", Gender::Female, "Zoë", zoe },
        { "Zoe", Gender::Female, "Zoe", {} },
        { "O'Neil", Gender::Male, "O'Neil", {} },
        { "Ädä", Gender::Male, "Ädä", {} },
    };
    for (const auto& [name, sex, spelling, years] : cases) {
        const NameRecord record = file->record(name, sex);
        EXPECT_EQ(record.spelling, spelling) << name.toStdString();
        EXPECT_EQ(record.years, years) << name.toStdString();
    }

    // A second import replaces the file whole.
    writeSourceFile(path("us.sqlite"), { { 7, "eve", "F", 10, 9, 1999 } });
    import("us.sqlite");
    EXPECT_EQ(PopularityFile::openIn(m_dir.path())->history("jordan", Gender::Male), QList<YearCount>());
    EXPECT_EQ(files(), QStringList({ "popularity.db", "us.sqlite" }));

    writeSourceFile(path("popularity.db"), SampleRows);
    EXPECT_THROW(PopularityFile::openIn(m_dir.path()), rt::DbError);
}

TEST_F(PopularityImport, AFailedImportLeavesTheOldFileAndNoOtherFile)
{
    writeSourceFile(path("good"), SampleRows);
    import("good");
    const QByteArray before = readFile(path("popularity.db"));
    ASSERT_TRUE(writeFile(path("csv"), "name,sex,births\nmary,F,5\n"));
    const QString table = "create table usNameData(id integer primary key, name, sex, births, rank, year)";
    writeSourceFile(path("other"), {}, "create table names(name text)");
    writeSourceFile(path("columns"), {}, "create table USNAMEDATA(ID integer, Name text, sex text, year integer)");
    writeSourceFile(path("empty"), {}, table);
    writeSourceFile(path("twice"), { { 1, "mary", "F", 5, 1, 2000 }, { 2, "MARY", "F", 6, 2, 2000 } }, table);
    for (const char* id : { "null", "'7'", "7.5" }) {
        writeSourceFile(path(id), SampleRows, "create table usNameData(id, name, sex, births, rank, year)");
        rt::Connection source;
        source.open(TestDatabase::connectionString(path(id)));
        source.execute(QString("update usNameData set id = %1 where id = 3").arg(id));
    }
    const std::pair<QString, QString> cases[] = {
        // source, reason (empty: the engine's error)
        { "missing", "No such file" },
        { QString("us\uFFFD.sqlite"), "The file name holds bytes that are not UTF-8; rename the file" },
        { "csv", "Not an SQLite database file" },
        { "other", "No table usNameData in the file" },
        { "columns", "The table usNameData lacks the column(s) births, rank" },
        { "empty", "The table usNameData holds no rows" },
        { "twice", {} }, // found only when the rows are written
        { "null", "1 row of the table usNameData has an id that is not an integer" },
        { "'7'", "1 row of the table usNameData has an id that is not an integer" },
        { "7.5", "1 row of the table usNameData has an id that is not an integer" },
    };
    for (const auto& [source, reason] : cases) {
        SCOPED_TRACE(source.toStdString());
        try {
            import(source);
            ADD_FAILURE() << "the import succeeded";
        } catch (const rt::FileError& error) {
            EXPECT_EQ(error.reason(), reason);
            EXPECT_EQ(error.path(), path(source));
        } catch (const rt::DbError& error) {
            EXPECT_TRUE(reason.isEmpty()) << error.what();
        }
        EXPECT_EQ(readFile(path("popularity.db")), before);
    }
    EXPECT_EQ(
        files(),
        QStringList({ "'7'", "7.5", "columns", "csv", "empty", "good", "null", "other", "popularity.db", "twice" }));
}

// The rows are read in slices of 250,000 rows whatever their ids: ids spread over the whole 64-bit range, at
// both of its ends, are all read, with the share of rows read as progress.
TEST_F(PopularityImport, ReadsSparseAndExtremeIdsInSlicesOfRows)
{
    writeSourceFile(path("sparse"),
                    {},
                    "create table usNameData as with recursive n(i) as (select 1 union all select i + 1 from n "
                    "where i < 260000) select i * 35000000000000 as id, 'n' || i as name, 'F' as sex, i as births, "
                    "1 as rank, 2000 as year from n union all select -9223372036854775808, 'least', 'M', 5, 1, 1880 "
                    "union all select 9223372036854775807, 'most', 'M', 6, 2, 2024");
    QStringList lines;
    importPopularity(path("sparse"), m_dir.path(), [&lines](const QString& line) { lines << line; });
    EXPECT_EQ(lines.filter("Read "), QStringList({ "Read 96%", "Read 100%" }));
    const auto file = PopularityFile::openIn(m_dir.path());
    EXPECT_EQ(file->note().rows, 260002);
    const std::tuple<QString, Gender, QList<YearCount>> cases[] = {
        { "least", Gender::Male, { { 1880, 5, 1 } } },          { "n1", Gender::Female, { { 2000, 1, 1 } } },
        { "n250000", Gender::Female, { { 2000, 250000, 1 } } }, { "n260000", Gender::Female, { { 2000, 260000, 1 } } },
        { "most", Gender::Male, { { 2024, 6, 2 } } },
    };
    for (const auto& [name, sex, years] : cases)
        EXPECT_EQ(file->history(name, sex), years) << name.toStdString();
}

TEST(PopularityImportLock, SaysWhyNoLockFileCouldBeMade)
{
    const std::tuple<QLockFile::LockError, qint64, QString> cases[] = {
        { QLockFile::LockFailedError, 0, "Another import of popularity data is writing" },
        { QLockFile::UnknownError, 0, "No space left on the device of the folder" },
        { QLockFile::PermissionError, 0, "No space left on the device of the folder" },
        { QLockFile::PermissionError, 4096, "Cannot write in the folder" },
        { QLockFile::UnknownError, 4096, "Cannot make a file in the folder" },
    };
    for (const auto& [error, available, reason] : cases)
        EXPECT_EQ(lockFailureReason(error, available), reason) << int(error) << " " << available;
}
