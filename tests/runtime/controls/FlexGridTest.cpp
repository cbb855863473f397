// The flex grid where the browser window's tests do not reach it: while redraw is off the view keeps its last
// picture, and switching it on shows texts, colours and heights (twips / 15 pixels) at once; setting one row
// drops every data row with its heights and colours. A model tester watches every change the view sees.
#include "runtime/controls/FlexGrid.h"

#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>

using tervala::rt::FlexGrid;

TEST(FlexGrid, RedrawOnShowsWhatChangedWhileItWasOff)
{
    FlexGrid grid;
    const QAbstractItemModel* model = grid.model();
    const QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto shownHeight = [&](int row) { return grid.verticalHeader()->sectionSize(row - 1); };
    grid.setFormatString("Name|Meaning|Origin|^Fav");
    grid.setRows(4);
    grid.setRowHeight(2, 450);
    grid.setRedraw(false);
    grid.setRows(1);
    for (int row = 1; row <= 40; ++row)
        grid.addItemUtf8(QString("name %1\tmeaning").arg(row).toUtf8());
    grid.setRow(40);
    grid.setCol(1);
    grid.setCellBackColor(QColor(Qt::cyan).rgb());
    grid.setRowHeight(3, 300);
    EXPECT_EQ(model->rowCount(), 3);
    EXPECT_EQ(shownHeight(3), 16);

    grid.setRedraw(true);
    EXPECT_EQ(model->rowCount(), 40);
    EXPECT_EQ(model->index(39, 0).data().toString(), QString("name 40"));
    EXPECT_EQ(model->index(39, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::cyan));
    EXPECT_EQ(grid.currentIndex(), model->index(39, 1));
    EXPECT_EQ(shownHeight(2), FlexGrid::DefaultRowHeightTwips / 15);
    EXPECT_EQ(shownHeight(3), 20);
    grid.setRows(1);
    grid.setRows(41);
    EXPECT_EQ(grid.textMatrix(40, 0) + grid.cellBackColor(40, 1).name(), QString("#ffffff"));
    EXPECT_EQ(grid.rowHeight(3), FlexGrid::DefaultRowHeightTwips);
}

// Heights set while redraw is off reach the scroll range once it is back on: the last row can be scrolled into sight.
TEST(FlexGrid, ScrollRangeFollowsHeightsSetWhileRedrawWasOff)
{
    FlexGrid grid;
    grid.setFormatString("Name|Meaning");
    grid.resize(200, 160);
    grid.show();
    grid.setRedraw(false);
    for (int row = 1; row <= 40; ++row) {
        grid.addItemUtf8("name\tmeaning");
        grid.setRowHeight(row, 450);
    }
    grid.setRedraw(true);
    QCoreApplication::processEvents();
    const int rowsInSight = grid.viewport()->height() / 30;
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 40 - rowsInSight);
}

// A grid keeps up to 255 distinct cell colours; a further one is drawn as the nearest of them, never as white.
TEST(FlexGrid, ColoursPastThePaletteDrawAsTheNearest)
{
    FlexGrid grid;
    grid.setFormatString("Name|Meaning");
    grid.setRows(4);
    grid.setCol(0);
    grid.setRow(1);
    for (int red = 1; red <= 255; ++red) {
        grid.setCellBackColor(qRgb(red, 0, 0));
        EXPECT_EQ(grid.cellBackColor(1, 0), QColor(red, 0, 0));
    }
    grid.setCellBackColor(qRgb(100, 3, 4));
    EXPECT_EQ(grid.cellBackColor(1, 0), QColor(100, 0, 0));
    grid.setRow(2);
    grid.setCellBackColor(qRgb(7, 0, 0));
    EXPECT_EQ(grid.cellBackColor(2, 0), QColor(7, 0, 0));
    EXPECT_EQ(grid.cellBackColor(3, 0), QColor(Qt::white));
}

// A row keeps where its line lies in 8 bytes, with room for 16 MiB of count; a longer line keeps its count apart.
TEST(FlexGrid, RowsLongerThanSixteenMebibytesKeepTheirText)
{
    FlexGrid grid;
    grid.setFormatString("Name|Meaning");
    const QString meaning(16 * 1024 * 1024 + 5, u'm');
    grid.addItemUtf8("short\tline");
    grid.addItemUtf8(("long\t" + meaning).toUtf8());
    grid.addItemUtf8("after\tit");
    grid.setTextMatrix(1, 1, meaning);
    EXPECT_EQ(grid.textMatrix(2, 1).size(), meaning.size());
    EXPECT_EQ(grid.textMatrix(2, 0) + grid.textMatrix(3, 0) + grid.textMatrix(3, 1), QString("longafterit"));
    EXPECT_EQ(grid.textMatrix(1, 1), meaning);
    EXPECT_EQ(grid.textMatrix(1, 0), QString("short"));
    grid.setRowHeight(3, 70000);
    EXPECT_EQ(grid.rowHeight(3), 65535);
}
