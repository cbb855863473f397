// The merge: the duplicate test and the row transformation on their own, and the stage run through Command4,
// with its switch from stopping at a failure to ignoring one once the first new row is in.
#include "builder/Merge.h"

#include "BuilderFixture.h"

#include <QSemaphore>

#include <thread>

using namespace tervala;

TEST(Merge, DuplicateTestAndRow)
{
    EXPECT_EQ(composeDuplicateTest({ " O'Neil", "x", " Irish ", "M" }),
              QString("select nama from namabayi where nama=' O''Neil' and asal=' Irish '"));
    const std::pair<StagingRow, QString> cases[] = {
        { { "anne-MARIE", "breath", "hebrew", "m" }, "Anne-marie|breath|hebrew|m" },
        { { " zoë", "it&#039;s <i>x</i>", "", "" }, " zoë|it;s x||" },
        { { "a", "&#0&#03939;", "", "" }, "A|&#039;||" },
    };
    for (const auto& [source, merged] : cases) {
        SCOPED_TRACE(merged.toStdString());
        EXPECT_EQ(joined(mergeRow(source)), merged);
    }
}

using MergeStage = BuilderFixture;

// Names that differ in letter case alone, also beyond ASCII, are one name. The file the run leaves stays sound to
// plain SQLite, whose NOCASE folds ASCII letters only.
TEST_F(MergeStage, AddsNewNameOriginPairsOnce)
{
    insertRows("namabayi", { { "Abel", "old", "Hebrew", "M" }, { "Émile", "old", "French", "M" } });
    insertRows("bayiorigin2",
               { { "ABEL", "x", "Hebrew", "F" },
                 { "abel", "y", "Greek", "M" },
                 { "ÉMILE", "x", "French", "M" },
                 { "Zoë", "life", "Greek", "F" },
                 { "ZOË", "x", "GREEK", "F" },
                 { "O'NEIL", " it&#039;s <b>me</b> ", "Irish", "M" },
                 { "o'neil", "again", "Irish", "F" } });
    const QStringList expected
        = { "Abel|old|Hebrew|M", "Émile|old|French|M", "Abel|y|Greek|M", "Zoë|life|Greek|F", "O'neil|it;s me|Irish|M" };
    click(m_form->Command4);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"), expected);
    EXPECT_EQ(TestDatabase::plainSqlite(m_db.path(), "pragma integrity_check"), QStringList { "ok" });

    click(m_form->Command4);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"), expected);
}

TEST_F(MergeStage, QuoteInOriginEndsTheStageOnlyBeforeTheFirstNewRow)
{
    insertRows("bayiorigin2", { { "Brian", "", "O'Brien", "M" }, { "Abel", "", "Hebrew", "M" } });
    click(m_form->Command4);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(rows("namabayi"), QStringList());

    m_errors.clear();
    m_db.execute("delete from bayiorigin2 where nama = 'Brian'");
    insertRows("bayiorigin2", { { "Brian", "", "O'Brien", "M" }, { "Dana", "", "x", "F" } });
    click(m_form->Command4);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"), QStringList({ "Abel||Hebrew|M", "Dana||x|F" }));
}

TEST_F(MergeStage, LockHeldForSecondsByAnotherProgramLosesNoRow)
{
    QList<QStringList> source;
    for (int i = 0; i < 5; ++i)
        source << QStringList { QString("N%1").arg(i), "", "x", "M" };
    insertRows("bayiorigin2", source);
    // Another connection takes the write lock and holds it for two seconds: the merge's first insert meets it.
    QSemaphore locked;
    std::thread holder([&] {
        tervala::rt::Connection other;
        other.open(TestDatabase::connectionString(m_db.path()));
        other.execute("begin immediate");
        locked.release();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        other.execute("commit");
    });
    locked.acquire();
    click(m_form->Command4);
    holder.join();
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi").size(), 5);
}
