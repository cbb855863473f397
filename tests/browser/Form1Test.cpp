// The browser window driven through its real widgets on a small name database, and as the designer left it
// before its load handler runs.
#include "browser/Form1.h"

#include "TestDatabase.h"
#include "TestSupport.h"
#include "runtime/UnhandledError.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tervala;

// Cells of one column of the data rows, joined by "|".
static QString column(const rt::FlexGrid* grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid->rows(); ++row)
        cells << grid->textMatrix(row, col);
    return cells.join('|');
}

static QPoint cellCentre(rt::FlexGrid* grid, int row, int col)
{
    return grid->visualRect(grid->model()->index(row - 1, col)).center();
}

class Form1Test : public ::testing::Test {
protected:
    Form1Test()
    {
        rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
    }
    ~Form1Test() override { rt::setUnhandledErrorHandler({}); }

    // Loads and shows the window on the program folder, as start-up does.
    Form1& open(const QString& programFolder)
    {
        m_form = std::make_unique<Form1>(programFolder);
        rt::runGuarded([&] { m_form->load(); });
        m_form->show();
        return *m_form;
    }

    // Opens the window on the sample names.
    Form1& start()
    {
        m_db.insert("namabayi",
                    "nama,arti,asal,jk",
                    { { "Adam", "man of the earth", "Hebrew", "M" },
                      { "abel", "breath", "Hebrew", "M" },
                      { "Aaron", "exalted one, a mountain of strength and of light", "Hebrew", "M" },
                      { "Ben", "son", "Hebrew", "M" },
                      { "Bastian", "revered", "Greek", "M" },
                      { "O'Neil", "champion", "Irish", "M" },
                      { "Alice", "noble kind", "Germanic", "F" },
                      { "Anna", "grace", "Hebrew", "F" },
                      { "Ava", "bird", "Latin", "F" },
                      { "Bella", "beautiful", "Italian", "F" },
                      { "Zoë", "life", "Greek", "F" } });
        m_db.execute("update namabayi set fav = 1 where nama in ('Adam', 'Anna')");
        return open(m_db.folder());
    }

    TestDatabase m_db { "ter.va", "ter.va.sql" };
    std::unique_ptr<Form1> m_form;
    QStringList m_errors;
};

TEST_F(Form1Test, StartUpListsInitialAOfBothGendersShadedInPairs)
{
    Form1& form = start();
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_TRUE(form.Option1[0]->value());
    EXPECT_EQ(form.Combo1->count(), 6);
    EXPECT_EQ(form.Combo1->text(), QString());

    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam"));
    EXPECT_EQ(column(form.flex1, 3), QString("||V"));
    EXPECT_EQ(column(form.flex2, 0), QString("Alice|Anna|Ava"));
    EXPECT_EQ(column(form.flex2, 3), QString("|V|"));

    EXPECT_EQ(form.flex1->rowHeight(1), 450);
    EXPECT_EQ(form.flex1->rowHeight(2), rt::FlexGrid::DefaultRowHeightTwips);
    for (int col = 0; col < 4; ++col) {
        SCOPED_TRACE(col);
        EXPECT_EQ(form.flex1->cellBackColor(1, col), QColor(255, 220, 220));
        EXPECT_EQ(form.flex1->cellBackColor(3, col), QColor(Qt::white));
        EXPECT_EQ(form.flex2->cellBackColor(1, col), QColor(220, 255, 220));
    }
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

    // Back in automatic mode the grids stay as they are until the next change.
    QTest::mouseClick(form.Option3[0], Qt::LeftButton);
    EXPECT_FALSE(form.Command1->isEnabled());
    form.Check1->setValue(0);
    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam"));
}

TEST_F(Form1Test, DoubleClickInBoysAndClickInGirlsToggleTheStoredFavourite)
{
    Form1& form = start();
    form.Option1[14]->setValue(true);
    ASSERT_EQ(column(form.flex1, 0), QString("O'Neil"));
    const QString stored = "select fav from namabayi where nama in ('O''Neil', 'Anna') order by nama";
    QTest::mouseClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString());
    QTest::mouseDClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString("V"));
    EXPECT_EQ(m_db.rows(stored), QStringList({ "1", "1" }));

    form.Option1[0]->setValue(true);
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, cellCentre(form.flex2, 2, 1));
    EXPECT_EQ(form.flex2->textMatrix(2, 3), QString());
    EXPECT_EQ(m_db.rows(stored), QStringList({ "0", "1" }));
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
}

TEST_F(Form1Test, EmptyTableLeavesHeaderRowsOnly)
{
    Form1& form = open(m_db.folder());
    EXPECT_EQ(form.flex1->rows(), 1);
    EXPECT_EQ(form.flex2->rows(), 1);
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(Form1Test, MissingDatabaseIsAnUnhandledError)
{
    QTemporaryDir emptyFolder;
    Form1& form = open(emptyFolder.path());
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(form.Combo1->count(), 0);
}

TEST(Form1Layout, ControlsSitInTheirContainers)
{
    QTemporaryDir folder;
    Form1 form(folder.path());
    EXPECT_EQ(form.size(), QSize(784, 568));
    EXPECT_TRUE(form.caption().startsWith("Tervala 2.0  :: Free baby names  software" + QString(95, ' ')));
    const struct {
        QWidget* control;
        QWidget* container;
        QRect pixels;
    } places[] = {
        { form.Combo1, &form, { 568, 6, 145, 21 } },
        { form.Option1[9], form.Picture1, { 218, 17, 13, 18 } },
        { form.Picture5, form.Picture3, { 94, 2, 289, 17 } },
        { form.flex1, form.Picture2, { 6, 24, 373, 397 } },
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.control->objectName().toStdString());
        EXPECT_EQ(place.control->parentWidget(), place.container);
        EXPECT_EQ(place.control->geometry(), place.pixels);
    }
}

TEST(Form1Layout, DesignerStateBeforeLoad)
{
    QTemporaryDir folder;
    Form1 form(folder.path());
    for (rt::OptionButton* letter : form.Option1)
        EXPECT_FALSE(letter->value());
    EXPECT_TRUE(form.Option2[0]->value());
    EXPECT_TRUE(form.Option3[0]->value());
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Picture4->isHidden());
    EXPECT_EQ(form.flex2->rows(), 30);
    EXPECT_EQ(form.flex2->textMatrix(0, 3), QString("Fav"));
}

TEST(Form1Layout, TabFollowsTheTabIndexesAcrossContainers)
{
    QTemporaryDir folder;
    Form1 form(folder.path());
    form.Option1[9]->setValue(true);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Option1[9]->setFocus();
    // One stop per option group, at its selected button; the disabled "Refresh" is passed over.
    const QWidget* expected[] = {
        form.Check1, form.Check2, form.Text1, form.flex1,      form.Check3,     form.Text2,
        form.Check4, form.Combo1, form.flex2, form.Option2[0], form.Option3[0], form.Option1[9],
    };
    for (const QWidget* control : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control);
    }
}
