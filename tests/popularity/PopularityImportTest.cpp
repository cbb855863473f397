// The import into popularity.db and the file read back: every row under its upper-cased name, so a lookup
// ignores letter case but keeps accents; a failed import leaves the old file as it was and no other file.
#include "PopularitySource.h"
#include "TestSupport.h"
#include "runtime/database/DbError.h"
#include "runtime/hostfiles/FileError.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    const std::tuple<QString, Sex, QList<YearCount>> cases[] = {
        { "JorDAN", Sex::Male, { { 2022, 900, 40 }, { 2024, 1200, 33 } } },
        { "jordan", Sex::Female, { { 2023, 80, 300 }, { 2024, 95, 280 } } },
        { "Mary", Sex::Female, { { 2022, 5000, 2 }, { 2023, 6000, 1 }, { 2024, 4000, 3 } } },
        { "ZOË", Sex::Female, { { 2022, 12, 900 }, { 2024, 20, 700 } } },
        { "Zoe", Sex::Female, {} },
        { "O'Neil", Sex::Male, {} },
    };
    for (const auto& [name, sex, years] : cases)
        EXPECT_EQ(file->history(name, sex), years) << name.toStdString();

    // A second import replaces the file whole.
    writeSourceFile(path("us.sqlite"), { { 7, "eve", "F", 10, 9, 1999 } });
    import("us.sqlite");
    EXPECT_EQ(PopularityFile::openIn(m_dir.path())->history("jordan", Sex::Male), QList<YearCount>());
    EXPECT_EQ(files(), QStringList({ "popularity.db", "us.sqlite" }));

    writeSourceFile(path("popularity.db"), SampleRows);
    EXPECT_THROW(PopularityFile::openIn(m_dir.path()), rt::DbError);
}

TEST_F(PopularityImport, AFailedImportLeavesTheOldFileAndNoOtherFile)
{
    writeSourceFile(path("good"), SampleRows);
    import("good");
    const auto bytes = [&] {
        QFile file(path("popularity.db"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    QFile csv(path("csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly) && csv.write("name,sex,births\nmary,F,5\n") > 0);
    csv.close();
    const QString table = "create table usNameData(id integer primary key, name, sex, births, rank, year)";
    writeSourceFile(path("other"), {}, "create table names(name text)");
    writeSourceFile(path("columns"), {}, "create table USNAMEDATA(ID integer, Name text, sex text, year integer)");
    writeSourceFile(path("empty"), {}, table);
    writeSourceFile(path("twice"), { { 1, "mary", "F", 5, 1, 2000 }, { 2, "MARY", "F", 6, 2, 2000 } }, table);
    const std::pair<QString, QString> cases[] = {
        // source, reason (empty: the engine's error)
        { "missing", "No such file" },
        { "csv", "Not an SQLite database file" },
        { "other", "No table usNameData in the file" },
        { "columns", "The table usNameData lacks the column(s) births, rank" },
        { "empty", "The table usNameData holds no rows" },
        { "twice", {} }, // found only when the rows are written
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
        EXPECT_EQ(bytes(), before);
    }
    EXPECT_EQ(files(), QStringList({ "columns", "csv", "empty", "good", "other", "popularity.db", "twice" }));
}
