// The browser window driven through its real widgets on a small name database.
#include "browser/Form1.h"

#include "NameDatabaseFixture.h"
#include "TestSupport.h"
#include "runtime/UnhandledError.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tervala;

namespace {

const std::vector<NameRow> SampleNames = {
    { "Adam", "man of the earth", "Hebrew", "M", true },
    { "abel", "breath", "Hebrew", "M", false },
    { "Aaron", "exalted one, a mountain of strength and of light", "Hebrew", "M", false },
    { "Ben", "son", "Hebrew", "M", false },
    { "Bastian", "revered", "Greek", "M", false },
    { "O'Neil", "champion", "Irish", "M", false },
    { "Alice", "noble kind", "Germanic", "F", false },
    { "Anna", "grace", "Hebrew", "F", true },
    { "Ava", "bird", "Latin", "F", false },
    { "Bella", "beautiful", "Italian", "F", false },
    { "Zoë", "life", "Greek", "F", false },
};

// Cells of one column of the data rows, joined by "|".
QString column(const rt::FlexGrid* grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid->rows(); ++row)
        cells << grid->textMatrix(row, col);
    return cells.join('|');
}

QPoint cellCentre(rt::FlexGrid* grid, int row, int col)
{
    return grid->visualRect(grid->model()->index(row - 1, col)).center();
}

class Form1Test : public ::testing::Test {
protected:
    explicit Form1Test(const std::vector<NameRow>& rows = SampleNames)
        : m_folder(rows)
    {
        rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
    }
    ~Form1Test() override { rt::setUnhandledErrorHandler({}); }

    // Loads and shows the window, as the program does at start-up.
    Form1& start()
    {
        m_form = std::make_unique<Form1>(m_folder.path());
        rt::runGuarded([&] { m_form->load(); });
        m_form->show();
        return *m_form;
    }

    NameDatabaseFolder m_folder;
    std::unique_ptr<Form1> m_form;
    QStringList m_errors;
};

class EmptyDatabaseTest : public Form1Test {
protected:
    EmptyDatabaseTest()
        : Form1Test({})
    {
    }
};

} // namespace

TEST_F(Form1Test, StartUpListsInitialAOfBothGenders)
{
    Form1& form = start();
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_TRUE(form.Option1[0]->value());
    EXPECT_TRUE(form.Option3[0]->value());
    EXPECT_TRUE(form.Option2[0]->value());
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_EQ(form.Combo1->count(), 6);
    EXPECT_EQ(form.Combo1->itemText(0), QString("Germanic"));
    EXPECT_EQ(form.Combo1->itemText(5), QString("Latin"));
    EXPECT_EQ(form.Combo1->text(), QString());

    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam"));
    EXPECT_EQ(column(form.flex1, 1),
              QString("exalted one, a mountain of strength and of light |breath |man of the earth "));
    EXPECT_EQ(column(form.flex1, 3), QString("||V"));
    EXPECT_EQ(column(form.flex2, 0), QString("Alice|Anna|Ava"));
    EXPECT_EQ(column(form.flex2, 3), QString("|V|"));
    EXPECT_FALSE(form.Picture4->isVisible());
    EXPECT_FALSE(form.Picture5->isVisible());
}

TEST_F(Form1Test, RowsAreShadedInPairsAndLongMeaningsAreTall)
{
    Form1& form = start();
    const QColor white(255, 255, 255);
    EXPECT_EQ(form.flex1->rowHeight(1), 450);
    EXPECT_NE(form.flex1->rowHeight(2), 450);
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(form.flex1->cellBackColor(1, col), QColor(255, 220, 220));
        EXPECT_EQ(form.flex1->cellBackColor(2, col), white);
        EXPECT_EQ(form.flex1->cellBackColor(3, col), white);
        EXPECT_EQ(form.flex2->cellBackColor(1, col), QColor(220, 255, 220));
    }
    // The last shaded cell stays current.
    EXPECT_EQ(form.flex1->row(), 1);
    EXPECT_EQ(form.flex1->col(), 3);
}

TEST_F(Form1Test, AutomaticModeRebuildsOnEveryChange)
{
    Form1& form = start();
    QTest::mouseClick(form.Check1, Qt::LeftButton);
    EXPECT_EQ(column(form.flex1, 0), QString("Adam"));
    EXPECT_EQ(column(form.flex2, 0), QString("Anna"));
    QTest::mouseClick(form.Check1, Qt::LeftButton);

    form.Option1[26]->setValue(true);
    form.Check3->setValue(1);
    QTest::keyClicks(form.Text2, "o'n");
    EXPECT_EQ(column(form.flex1, 0), QString("O'Neil"));
    EXPECT_EQ(column(form.flex2, 0), QString());

    // A text typed while its box is unchecked still rebuilds, but filters nothing.
    form.Check3->setValue(0);
    QTest::keyClicks(form.Text1, "zz");
    EXPECT_EQ(column(form.flex2, 0), QString("Alice|Anna|Ava|Bella|Zoë"));
}

TEST_F(Form1Test, ManualModeWaitsForRefresh)
{
    Form1& form = start();
    QTest::mouseClick(form.Option3[1], Qt::LeftButton);
    EXPECT_TRUE(form.Command1->isEnabled());
    QTest::mouseClick(form.Check1, Qt::LeftButton);
    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam"));

    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(column(form.flex1, 0), QString("Adam"));
    EXPECT_TRUE(form.flex1->isEnabled());
    EXPECT_TRUE(form.flex2->isEnabled());

    // Back in automatic mode the grids stay as they are until the next change.
    QTest::mouseClick(form.Option3[0], Qt::LeftButton);
    EXPECT_FALSE(form.Command1->isEnabled());
    form.Check1->setValue(0);
    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam"));
}

TEST_F(Form1Test, DoubleClickInBoysListTogglesTheStoredFavourite)
{
    Form1& form = start();
    form.Option1[14]->setValue(true);
    ASSERT_EQ(column(form.flex1, 0), QString("O'Neil"));

    QTest::mouseClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString());
    QTest::mouseDClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString("V"));
    EXPECT_EQ(m_folder.column("select fav from namabayi where nama='O''Neil'"), QString("1"));

    QTest::mouseDClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString());
    EXPECT_EQ(m_folder.column("select fav from namabayi where nama='O''Neil'"), QString("0"));
}

TEST_F(Form1Test, SingleClickInGirlsListTogglesTheStoredFavourite)
{
    Form1& form = start();
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, cellCentre(form.flex2, 2, 1));
    EXPECT_EQ(form.flex2->textMatrix(2, 3), QString());
    EXPECT_EQ(m_folder.column("select fav from namabayi where nama='Anna'"), QString("0"));
}

TEST_F(Form1Test, NewerRequestDuringALoadLeavesOnlyItsRows)
{
    Form1& form = start();
    // The click on "B" waits in the queue and runs inside the first yield of the "ALL" rebuild.
    QTimer::singleShot(0, &form, [&] { form.Option1[1]->setValue(true); });
    form.Option1[26]->setValue(true);
    EXPECT_EQ(column(form.flex1, 0), QString("Bastian|Ben"));
    EXPECT_EQ(column(form.flex2, 0), QString("Bella"));
    EXPECT_FALSE(form.Picture4->isVisible());
    EXPECT_FALSE(form.Picture5->isVisible());
}

TEST_F(Form1Test, TypingDuringALoadLeavesTheRowsOfTheFinalText)
{
    Form1& form = start();
    form.Check3->setValue(1);
    QTimer::singleShot(0, &form, [&] { QTest::keyClicks(form.Text2, "bel"); });
    form.Option1[26]->setValue(true);
    EXPECT_EQ(column(form.flex1, 0), QString("abel"));
    EXPECT_EQ(column(form.flex2, 0), QString("Bella"));
}

TEST_F(Form1Test, ClosingDuringALoadEndsTheRebuild)
{
    Form1& form = start();
    QTimer::singleShot(0, &form, [&] { form.close(); });
    form.Option1[26]->setValue(true);
    EXPECT_TRUE(form.isUnloaded());
    EXPECT_EQ(m_errors, QStringList());
    // The file is free again: another connection can change it.
    EXPECT_EQ(m_folder.column("select count(*) from namabayi"), QString("11"));
}

TEST_F(EmptyDatabaseTest, EmptyTableLeavesHeaderRowsOnly)
{
    Form1& form = start();
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(form.Combo1->count(), 0);
    EXPECT_EQ(form.flex1->rows(), 1);
    EXPECT_EQ(form.flex2->rows(), 1);
    // A click on a grid without data rows stores nothing.
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(m_errors, QStringList());
}

TEST(Form1StartUp, MissingDatabaseIsAnUnhandledError)
{
    QTemporaryDir emptyFolder;
    QStringList errors;
    rt::setUnhandledErrorHandler(
        [&](const QString& number, const QString& message) { errors << number + ": " + message; });
    Form1 form(emptyFolder.path());
    rt::runGuarded([&] { form.load(); });
    rt::setUnhandledErrorHandler({});
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(form.Combo1->count(), 0);
}
