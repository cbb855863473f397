// popularity.db read back: the years of one name and sex, matched without regard to letter case but with
// accents, and what opening a folder without the file or with another database gives.
#include "PopularitySource.h"
#include "TestSupport.h"
#include "runtime/DbError.h"

#include <gtest/gtest.h>

using tervala::PopularityFile;
using tervala::Sex;
using tervala::YearCount;

using PopularityFileTest = ImportedPopularity;

TEST_F(PopularityFileTest, HistoryOfOneNameAndSexOldestFirst)
{
    EXPECT_EQ(m_file->note().source, QString("source.sqlite"));
    EXPECT_EQ(m_file->note().rows, 11);
    EXPECT_EQ(m_file->note().firstYear, 2022);
    EXPECT_EQ(m_file->note().lastYear, 2024);
    const QList<YearCount> jordanBoys = { { 2022, 900, 40 }, { 2024, 1200, 33 } };
    const QList<YearCount> zoe = { { 2022, 12, 900 }, { 2024, 20, 700 } };
    const struct {
        const char* name;
        Sex sex;
        QList<YearCount> years;
    } cases[] = {
        { "jordan", Sex::Male, jordanBoys },
        { "JorDAN", Sex::Male, jordanBoys },
        { "jordan", Sex::Female, { { 2023, 80, 300 }, { 2024, 95, 280 } } },
        { "Zoë", Sex::Female, zoe },
        { "ZOË", Sex::Female, zoe },
        { "Zoe", Sex::Female, {} },
        { "mary", Sex::Male, {} },
        { "O'Neil", Sex::Male, {} },
        { "", Sex::Female, {} },
    };
    for (const auto& lookup : cases) {
        SCOPED_TRACE(lookup.name);
        EXPECT_EQ(m_file->history(lookup.name, lookup.sex), lookup.years);
    }
}

TEST(PopularityFile, AbsentFileIsNoFileAndAnotherDatabaseIsAnError)
{
    QTemporaryDir dir;
    EXPECT_EQ(PopularityFile::openIn(dir.path()), nullptr);
    writeSourceFile(dir.filePath("popularity.db"), SampleRows);
    EXPECT_THROW(PopularityFile::openIn(dir.path()), tervala::rt::DbError);
}
