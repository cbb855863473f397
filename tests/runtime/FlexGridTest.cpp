// The flex grid as the program drives it: format string, rows and tabs, heights in twips, colours through the
// current cell, the redraw switch, clicks and copying rows. A model tester watches every change the view sees.
#include "runtime/FlexGrid.h"

#include "TestSupport.h"
#include "runtime/FlexGridModel.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using tervala::rt::FlexGrid;
using tervala::rt::FlexGridModel;

namespace {

const QString Format
    = "Name                  |Meaning                                       |Origin               |^Fav";

class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setFormatString(Format);
        grid.setRows(30);
        tester = std::make_unique<QAbstractItemModelTester>(grid.model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
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

    // Centre of the grid cell (row, col) in viewport coordinates.
    QPoint cellCentre(int row, int col) const { return grid.visualRect(grid.model()->index(row - 1, col)).center(); }

    QString copiedText(const std::vector<int>& gridRows) const
    {
        std::vector<int> modelRows;
        for (const int row : gridRows)
            modelRows.push_back(row - 1);
        return qobject_cast<FlexGridModel*>(grid.model())->rowsAsTabSeparatedText(modelRows);
    }

    FlexGrid grid;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(FlexGridTest, FormatStringGivesCaptionsWidthsAndACentredColumn)
{
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.rows(), 30);
    EXPECT_EQ(grid.textMatrix(0, 2), "Origin               ");
    EXPECT_EQ(grid.textMatrix(0, 3), "Fav");

    const QAbstractItemModel* model = grid.model();
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "Fav");
    EXPECT_EQ(model->headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(model->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(model->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);

    // The blanks after a caption widen its column.
    const QFontMetrics metrics(grid.font());
    EXPECT_GT(grid.columnWidth(1), metrics.horizontalAdvance("Meaning                                       "));
    EXPECT_GT(grid.columnWidth(1), grid.columnWidth(2));
    EXPECT_GT(grid.columnWidth(2), grid.columnWidth(3));
}

TEST_F(FlexGridTest, AddItemSplitsAtTabs)
{
    const struct {
        QString text;
        QStringList cells;
    } cases[] = {
        { "A\tB \tC\t", { "A", "B ", "C", "" } },
        { "Aino", { "Aino", "", "", "" } },
        { "", { "", "", "", "" } },
        { "\t\t\t*", { "", "", "", "*" } },
        { "1\t2\t3\t4\t5", { "1", "2", "3", "4" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        load({ "first", c.text });
        ASSERT_EQ(grid.rows(), 3);
        for (int col = 0; col < 4; ++col) {
            EXPECT_EQ(grid.textMatrix(2, col), c.cells[col]);
            EXPECT_EQ(grid.model()->index(1, col).data().toString(), c.cells[col]);
        }
        EXPECT_EQ(grid.rowHeight(2), FlexGrid::DefaultRowHeightTwips);
        EXPECT_EQ(grid.cellBackColor(2, 0).name(), QString("#ffffff"));
    }
}

TEST_F(FlexGridTest, SetTextMatrixChangesOneCell)
{
    load({ "Aino\tone", "Eino" });
    grid.setTextMatrix(2, 3, "*");
    grid.setTextMatrix(1, 1, "");
    grid.setTextMatrix(0, 3, "Mark");
    EXPECT_EQ(copiedText({ 1, 2 }), "Aino\t\t\t\nEino\t\t\t*");
    EXPECT_EQ(grid.model()->headerData(3, Qt::Horizontal).toString(), "Mark");
}

TEST_F(FlexGridTest, SetRowsOneDropsTextsHeightsAndColours)
{
    load({ "Aino\tone", "Eino\ttwo" });
    grid.setRowHeight(2, 450);
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellBackColor(Qt::yellow);

    grid.setRows(1);
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.model()->rowCount(), 0);

    grid.setRows(3);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.textMatrix(2, 0), "");
    EXPECT_EQ(grid.textMatrix(2, 1), "");
    EXPECT_EQ(grid.rowHeight(2), FlexGrid::DefaultRowHeightTwips);
    EXPECT_EQ(grid.verticalHeader()->sectionSize(1), FlexGrid::DefaultRowHeightTwips / 15);
    EXPECT_EQ(grid.cellBackColor(2, 1).name(), QString("#ffffff"));
}

TEST_F(FlexGridTest, RowHeightsInTwips)
{
    load({ "a", "b", "c" });
    grid.setRowHeight(2, 450);
    EXPECT_EQ(grid.rowHeight(1), FlexGrid::DefaultRowHeightTwips);
    EXPECT_EQ(grid.rowHeight(2), 450);
    EXPECT_EQ(grid.verticalHeader()->sectionSize(1), 30);

    // A reload with redraw off: the old tall row becomes a default one, the new tall row shows when redraw is on.
    grid.setRedraw(false);
    load({ "d", "e", "f" });
    grid.setRowHeight(3, 300);
    EXPECT_EQ(grid.verticalHeader()->sectionSize(2), 16);
    grid.setRedraw(true);
    EXPECT_EQ(grid.verticalHeader()->sectionSize(1), 16);
    EXPECT_EQ(grid.verticalHeader()->sectionSize(2), 20);
    EXPECT_EQ(grid.rowHeight(2), FlexGrid::DefaultRowHeightTwips);
    EXPECT_EQ(grid.rowHeight(3), 300);
}

TEST_F(FlexGridTest, CellColoursGoThroughTheCurrentCell)
{
    load({ "a", "b", "c" });
    const QColor shade(224, 240, 255);
    grid.setRow(2);
    grid.setCol(3);
    grid.setCellBackColor(shade);
    EXPECT_EQ(grid.cellBackColor(2, 3).name(), QString("#e0f0ff"));
    EXPECT_EQ(grid.cellBackColor().name(), QString("#e0f0ff"));
    EXPECT_EQ(grid.cellBackColor(2, 2).name(), QString("#ffffff"));
    EXPECT_EQ(grid.cellBackColor(3, 3).name(), QString("#ffffff"));
    EXPECT_EQ(grid.model()->index(1, 3).data(Qt::BackgroundRole).value<QColor>().name(), QString("#e0f0ff"));

    // Row 0 is not a data row: with data rows the current row stays on one.
    grid.setRow(0);
    EXPECT_EQ(grid.row(), 1);
}

TEST_F(FlexGridTest, RedrawOffKeepsTheViewUntilRedrawOn)
{
    const QAbstractItemModel* model = grid.model();
    ASSERT_EQ(model->rowCount(), 29);

    grid.setRedraw(false);
    grid.setRows(1);
    for (int i = 0; i < 40; ++i)
        grid.addItem(QString("name %1\tmeaning").arg(i));
    grid.setRow(40);
    grid.setCol(1);
    grid.setCellBackColor(Qt::cyan);
    EXPECT_EQ(grid.rows(), 41);
    EXPECT_EQ(model->rowCount(), 29);
    EXPECT_EQ(grid.verticalHeader()->count(), 29);
    EXPECT_EQ(grid.textMatrix(40, 0), "name 39");

    grid.setRedraw(true);
    EXPECT_EQ(model->rowCount(), 40);
    EXPECT_EQ(grid.verticalHeader()->count(), 40);
    EXPECT_EQ(model->index(39, 0).data().toString(), "name 39");
    EXPECT_EQ(model->index(39, 1).data(Qt::BackgroundRole).value<QColor>().name(), QString("#00ffff"));
    EXPECT_EQ(grid.currentIndex(), model->index(39, 1));
}

TEST_F(FlexGridTest, ClickOnADataCellMakesItCurrent)
{
    load({ "a\t1", "b\t2", "c\t3" });
    show();
    QSignalSpy clicks(&grid, &FlexGrid::Click);
    QSignalSpy doubleClicks(&grid, &FlexGrid::DblClick);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(3, 2));
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubleClicks.count(), 0);

    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(clicks.count(), 1);

    // A double click as the mouse sends it: press, release, double click, release.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_F(FlexGridTest, CopiesSelectedRowsAsTabSeparatedText)
{
    load({ "Aino\tone\tFinnish\t", "Eino\ttwo\t\t*", "Zoë\tthree" });
    EXPECT_EQ(copiedText({ 3, 1 }), "Aino\tone\tFinnish\t\nZoë\tthree\t\t");
    EXPECT_EQ(copiedText({}), "");

    show();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Aino\tone\tFinnish\t\nEino\ttwo\t\t*\nZoë\tthree\t\t");
}

TEST_F(FlexGridTest, ColoursAsDrawn)
{
    load({ "a", "b" });
    grid.setRow(2);
    grid.setCol(2);
    grid.setCellBackColor(QColor(255, 224, 224));
    grid.setRow(1);
    grid.setCol(0);
    grid.clearSelection();
    show();
    const QImage image = grid.viewport()->grab().toImage();
    const QPoint white = cellCentre(1, 1) + QPoint(0, 4);
    const QPoint shaded = cellCentre(2, 2);
    const int gridLineX = grid.columnViewportPosition(1) - 1;
    EXPECT_EQ(image.pixelColor(white).name(), QString("#ffffff"));
    EXPECT_EQ(image.pixelColor(shaded).name(), QString("#ffe0e0"));
    EXPECT_EQ(image.pixelColor(gridLineX, white.y()).name(), QString("#c0c0c0"));
    EXPECT_EQ(image.pixelColor(white.x(), image.height() - 2).name(), grid.palette().color(QPalette::Button).name());
}

} // namespace
