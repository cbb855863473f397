// The popularity extras in the real browser window: absent without popularity.db, with no statement sent to it;
// with the file, a line in each name cell's tooltip for the grid's gender, statements traced under the file's
// own name and only once a tooltip asks, and the chart window from the row's context menu.
#include "browser/PopularityEntries.h"

#include "Form1Fixture.h"
#include "browser/PopularityChart.h"
#include "popularity/PopularitySource.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

using namespace tervala;

namespace {

int rowOf(const rt::FlexGrid* grid, const QString& name)
{
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->textMatrix(row, 0) == name)
            return row;
    }
    ADD_FAILURE() << "no row " << name.toStdString();
    return 1;
}

} // namespace

class PopularityEntriesTest : public Form1Fixture {
protected:
    // Starts the window with the extras added as the program adds them; the trace covers start-up too.
    Form1& startWithEntries()
    {
        tervala::rt::setSqlTracePath(m_traceDir.filePath("sql.log"));
        Form1& form = start();
        addPopularityEntries(form, m_db.folder());
        return form;
    }

    // Every trace line so far, with its file name.
    QStringList traceLines()
    {
        QFile trace(m_traceDir.filePath("sql.log"));
        return trace.open(QIODevice::ReadOnly) ? QString::fromUtf8(trace.readAll()).split('\n', Qt::SkipEmptyParts)
                                               : QStringList();
    }

    QAction* chartEntry(rt::FlexGrid* grid, const QString& name)
    {
        grid->setRow(rowOf(grid, name));
        m_menu = m_form->createGridMenu(grid);
        return m_menu->findChild<QAction*>("popularityChart");
    }

    std::unique_ptr<QMenu> m_menu;
};

TEST_F(PopularityEntriesTest, WithoutTheFileNothingChanges)
{
    Form1& form = startWithEntries();
    const int start = traceLines().size();
    EXPECT_EQ(form.cellToolTip(form.flex1, rowOf(form.flex1, "Adam"), 0), QString());
    EXPECT_EQ(chartEntry(form.flex2, "Anna"), nullptr);
    EXPECT_EQ(traceLines().size(), start);
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(PopularityEntriesTest, TooltipLinesAndChartFromTheFile)
{
    writeSourceFile(m_traceDir.filePath("us.sqlite"),
                    { { 1, "adam", "M", 5000, 40, 2023 },
                      { 2, "ariel", "M", 300, 900, 2023 },
                      { 3, "adam", "M", 4500, 45, 2024 },
                      { 4, "ariel", "F", 800, 400, 2024 },
                      { 5, "anna", "F", 3000, 60, 2024 } });
    importPopularity(m_traceDir.filePath("us.sqlite"), m_db.folder(), [](const QString&) {});
    Form1& form = startWithEntries();
    for (const QString& line : traceLines())
        EXPECT_TRUE(line.startsWith("ter.va\t")) << line.toStdString();
    const int start = traceLines().size();

    const struct {
        rt::FlexGrid* grid;
        const char* name;
        int col;
        QString toolTip;
    } cells[] = {
        { form.flex1, "Adam", 0, "US: #45 of boys' names in 2024 (4,500 births); most popular in 2023, #40" },
        { form.flex1, "Ariel", 0, "US: not among boys' names in 2024; most popular in 2023, #900" },
        { form.flex2, "Ariel", 0, "US: #400 of girls' names in 2024 (800 births); most popular in 2024, #400" },
        { form.flex1, "Ahti", 0, "US: not among the recorded boys' names, 2023–2024" },
        { form.flex1, "Adam", 1, "" },
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.name);
        EXPECT_EQ(form.cellToolTip(cell.grid, rowOf(cell.grid, cell.name), cell.col), cell.toolTip);
    }
    const QString lookup = "popularity.db\tselect year, births, rank from births where name = ucase(?) and sex = ? "
                           "order by year";
    EXPECT_EQ(traceLines().mid(start),
              QStringList({ "popularity.db\tselect source, rows, first_year, last_year from about",
                            lookup,
                            lookup,
                            lookup,
                            lookup }));

    chartEntry(form.flex2, "Ariel")->trigger();
    auto* chart = form.findChild<PopularityChart*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->windowTitle(), QString("Popularity of Ariel over time"));
    EXPECT_EQ(chart->findChild<QLabel*>("readout")->text(),
              QString("2024: girls #400 (800 births), boys not recorded"));
    chart->close();
    EXPECT_EQ(m_errors, QStringList());
}
