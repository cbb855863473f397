// The popularity extras in the browser window: nothing without popularity.db and no statement sent to it; once the
// file is there, a line in the tooltip of each name cell for the grid's gender, statements traced under the file's
// own name only when a tooltip asks, and the chart window from the row's context menu.
#include "browser/PopularityEntries.h"

#include "Form1Fixture.h"
#include "browser/PopularityChart.h"
#include "popularity/PopularitySource.h"

#include <QToolTip>

using namespace tervala;

namespace {

// The tooltip the grid shows with the mouse resting on a cell; empty for none.
QString toolTipAt(rt::FlexGrid* grid, int row, int col)
{
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    const QPoint centre = cellCentre(grid, row, col);
    QHelpEvent help(QEvent::ToolTip, centre, grid->viewport()->mapToGlobal(centre));
    QApplication::sendEvent(grid->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

using PopularityEntriesTest = Form1Fixture;

// Aïda, a name the US records spell without accents, is found so; the tooltip says so, and the chart shows it.
TEST_F(PopularityEntriesTest, TooltipLinesAndChartOnceTheFileIsThere)
{
    m_db.execute("insert into namabayi(nama,arti,asal,jk) values('Aïda', '', 'Arabic', 'F')");
    Form1& form = start();
    addPopularityEntries(form, m_db.folder());
    std::unique_ptr<QMenu> menu;
    const auto chartEntry = [&](int row) {
        form.flex2->setRow(row);
        menu = form.createGridMenu(form.flex2);
        return menu->findChild<QAction*>("popularityChart");
    };
    EXPECT_EQ(toolTipAt(form.flex1, 3, 0), QString());
    EXPECT_EQ(chartEntry(3), nullptr);
    EXPECT_EQ(takeTrace(), QStringList());

    importSourceRows(m_db.folder(),
                     { { 1, "adam", "M", 5000, 40, 2023 },
                       { 2, "ariel", "M", 300, 900, 2023 },
                       { 3, "adam", "M", 4500, 45, 2024 },
                       { 4, "ariel", "F", 800, 400, 2024 },
                       { 5, "aida", "F", 700, 500, 2024 } });
    takeTrace();
    // A cut-off cell shows its whole text, trimmed; the name cells add the line for the grid's gender.
    const struct {
        rt::FlexGrid* grid;
        int row;
        int col;
        QString toolTip;
    } cells[] = {
        { form.flex1, 1, 1, LongMeaning.trimmed() },
        { form.flex1, 3, 0, "US: #45 of boys' names in 2024 (4,500 births); most popular in 2023, #40" },
        { form.flex1, 5, 0, "US: not among boys' names in 2024; most popular in 2023, #900" },
        { form.flex2, 5, 0, "US: #400 of girls' names in 2024 (800 births); most popular in 2024, #400" },
        { form.flex2,
          2,
          0,
          "US: #500 of girls' names in 2024 (700 births); most popular in 2024, #500; the US record spells it Aida" },
        { form.flex1, 4, 0, "US: not among the recorded boys' names, 2023–2024" },
        { form.flex1, 3, 1, "" },
    };
    for (const auto& cell : cells)
        EXPECT_EQ(toolTipAt(cell.grid, cell.row, cell.col), cell.toolTip) << cell.row;
    const QString lookup = "popularity.db\tselect year, births, rank from births where name = ucase(?) and sex = ? "
                           "order by year";
    // Aïda's takes two lookups: under her own spelling, then without accents.
    EXPECT_EQ(takeTrace(),
              QStringList { "popularity.db\tselect source, rows, first_year, last_year from about" }
                  + QStringList(6, lookup));

    QAction* entry = chartEntry(2);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    auto* chart = form.findChild<PopularityChart*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->windowTitle(), QString("Popularity of Aïda over time"));
    EXPECT_EQ(chart->findChild<QLabel*>("readout")->text(),
              QString("2024: girls #500 (700 births), boys not recorded"));
    chart->close();
}

// A file damaged after it was opened (here its table of births dropped) is reported in the tooltip and by the
// chart entry; the program goes on.
TEST_F(PopularityEntriesTest, ADamagedFileIsReportedAndNeverEndsTheProgram)
{
    Form1& form = start();
    addPopularityEntries(form, m_db.folder());
    importSourceRows(m_db.folder(), { { 1, "adam", "M", 5000, 40, 2023 } });
    answerDialogs();
    form.flex1->setRow(3);
    std::unique_ptr<QMenu> menu = form.createGridMenu(form.flex1);
    QAction* entry = menu->findChild<QAction*>("popularityChart");
    ASSERT_NE(entry, nullptr);
    TestDatabase::plainSqlite(QDir(m_db.folder()).filePath("popularity.db"), "drop table births");

    entry->trigger();
    EXPECT_EQ(m_told, QStringList { "warning: US: popularity.db cannot be read: no such table: births" });
    EXPECT_EQ(form.findChild<PopularityChart*>(), nullptr);
    EXPECT_EQ(toolTipAt(form.flex1, 3, 0), QString("US: popularity.db cannot be read: no such table: births"));
}
