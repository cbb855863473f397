// The flex grid as the program drives it: format string, rows and tabs, heights in twips, colours through the
// current cell, the redraw switch, clicks, keys, tooltips and copying rows. A model tester watches every change the
// view sees.
#include "runtime/FlexGrid.h"

#include "TestSupport.h"
#include "runtime/FlexGridModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using tervala::rt::FlexGrid;
using tervala::rt::FlexGridModel;

class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setFormatString("Name                  |Meaning                                       |Origin    |^Fav");
        grid.setRows(30);
    }

    // Replaces the data rows by one row per text.
    void load(const QStringList& texts)
    {
        grid.setRows(1);
        for (const QString& text : texts)
            grid.addItem(text);
    }

    void show()
    {
        grid.resize(700, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QPoint cellCentre(int row, int col) const { return grid.visualRect(grid.model()->index(row - 1, col)).center(); }
    int shownHeight(int row) const { return grid.verticalHeader()->sectionSize(row - 1); }

    FlexGrid grid;
    QAbstractItemModelTester m_tester { grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal };
};

TEST_F(FlexGridTest, FormatStringGivesCaptionsWidthsAndACentredColumn)
{
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.textMatrix(0, 3), QString("Fav"));
    EXPECT_EQ(grid.model()->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    // The blanks after a caption widen its column.
    EXPECT_GT(grid.columnWidth(1), grid.columnWidth(0));
    EXPECT_GT(grid.columnWidth(0), grid.columnWidth(2));
}

TEST_F(FlexGridTest, SetRowsOneDropsTextsHeightsAndColours)
{
    load({ "Aino\tone", "Eino\ttwo" });
    grid.setRowHeight(2, 450);
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellBackColor(Qt::yellow);
    grid.setRows(1);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    grid.setRows(3);
    EXPECT_EQ(grid.textMatrix(2, 1), QString());
    EXPECT_EQ(grid.rowHeight(2), FlexGrid::DefaultRowHeightTwips);
    EXPECT_EQ(shownHeight(2), FlexGrid::DefaultRowHeightTwips / 15);
    EXPECT_EQ(grid.cellBackColor(2, 1), QColor(Qt::white));
}

TEST_F(FlexGridTest, RowHeightsInTwipsShownWhenRedrawIsOn)
{
    load({ "a", "b", "c" });
    grid.setRowHeight(2, 450);
    EXPECT_EQ(grid.rowHeight(1), FlexGrid::DefaultRowHeightTwips);
    EXPECT_EQ(shownHeight(2), 30);

    grid.setRedraw(false);
    load({ "d", "e", "f" });
    grid.setRowHeight(3, 300);
    EXPECT_EQ(shownHeight(3), 16);
    grid.setRedraw(true);
    EXPECT_EQ(shownHeight(2), 16);
    EXPECT_EQ(shownHeight(3), 20);
}

TEST_F(FlexGridTest, RedrawOffKeepsTheViewUntilRedrawOn)
{
    const QAbstractItemModel* model = grid.model();
    grid.setRedraw(false);
    load({});
    for (int i = 0; i < 40; ++i)
        grid.addItem(QString("name %1\tmeaning").arg(i));
    grid.setRow(40);
    grid.setCol(1);
    grid.setCellBackColor(Qt::cyan);
    EXPECT_EQ(grid.textMatrix(40, 0), QString("name 39"));
    EXPECT_EQ(model->rowCount(), 29);

    grid.setRedraw(true);
    EXPECT_EQ(model->rowCount(), 40);
    EXPECT_EQ(model->index(39, 0).data().toString(), QString("name 39"));
    EXPECT_EQ(model->index(39, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::cyan));
    EXPECT_EQ(grid.currentIndex(), model->index(39, 1));
}

TEST_F(FlexGridTest, ClickAndDoubleClickMakeTheCellCurrent)
{
    load({ "a\t1", "b\t2", "c\t3" });
    show();
    QSignalSpy clicks(&grid, &FlexGrid::Click);
    QSignalSpy doubleClicks(&grid, &FlexGrid::DblClick);
    // A double click as the mouse sends it: press, release, double click, release.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_F(FlexGridTest, AddItemSplitsAtTabsAndCopyJoinsSelectedRows)
{
    load({ "A\tB \tC\t", "Zoë", "1\t2\t3\t4\t5" });
    EXPECT_EQ(grid.textMatrix(1, 1), QString("B "));
    EXPECT_EQ(qobject_cast<FlexGridModel*>(grid.model())->rowsAsTabSeparatedText({ 2, 0 }),
              QString("A\tB \tC\t\n1\t2\t3\t4"));
    show();
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("A\tB \tC\t\nZoë\t\t\t\n1\t2\t3\t4"));
}

TEST_F(FlexGridTest, SpaceAndEnterRaiseKeyPressOnDataRowsOnly)
{
    show();
    QSignalSpy keys(&grid, &FlexGrid::KeyPress);
    load({});
    QTest::keyClick(&grid, Qt::Key_Space);
    load({ "a", "b", "c" });
    grid.setRow(2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&grid, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_EQ(keys.count(), 3);
    EXPECT_EQ(keys[0][0].toInt(), 32);
    EXPECT_EQ(keys[1][0].toInt(), 13);
    EXPECT_EQ(grid.row(), 2);
}

TEST_F(FlexGridTest, TabIntoTheGridLandsOnARowInSight)
{
    QStringList texts;
    for (int i = 1; i <= 100; ++i)
        texts << QString("name %1").arg(i);
    load(texts);
    grid.setRow(99);
    show();
    QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&grid, &byTab);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.row(), 2);

    // A row already in sight stays current.
    grid.setRow(3);
    QApplication::sendEvent(&grid, &byTab);
    EXPECT_EQ(grid.row(), 3);
}

TEST_F(FlexGridTest, CutOffCellsAndTheirTooltip)
{
    const QString longMeaning = QString("a meaning of many words ").repeated(8);
    load({ "Aino\tshort", "Eino\t" + longMeaning, "Veikko\t" + longMeaning });
    grid.setRowHeight(3, 15000);
    grid.setColumnWidth(0, 10);
    show();
    EXPECT_TRUE(grid.isCellTextCutOff(1, 0));
    EXPECT_FALSE(grid.isCellTextCutOff(1, 1));
    EXPECT_TRUE(grid.isCellTextCutOff(2, 1));
    EXPECT_FALSE(grid.isCellTextCutOff(3, 1)); // wrapped within a tall row

    grid.setCellToolTip(
        [this](int row, int col) { return grid.isCellTextCutOff(row, col) ? grid.textMatrix(row, col) : QString(); });
    QHelpEvent help(QEvent::ToolTip, cellCentre(2, 1), grid.viewport()->mapToGlobal(cellCentre(2, 1)));
    QApplication::sendEvent(grid.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), longMeaning);
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    QHelpEvent onFitting(QEvent::ToolTip, cellCentre(1, 1), grid.viewport()->mapToGlobal(cellCentre(1, 1)));
    QApplication::sendEvent(grid.viewport(), &onFitting);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(FlexGridTest, SelectedRowsWithTrimmedCaptionsAsHeader)
{
    load({ "Aino\tone\tFinnish\tV", "Eino\ttwo\tFinnish\t" });
    show();
    grid.selectAll();
    EXPECT_EQ(grid.selectedRowsText(true),
              QString("Name\tMeaning\tOrigin\tFav\nAino\tone\tFinnish\tV\nEino\ttwo\tFinnish\t"));
}
