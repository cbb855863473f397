// The name grids beyond the mouse: the keyboard toggle, tooltips of cut-off cells with the lines other features
// add, and the actions of a row's context menu. Every favourite change is checked by the statement it sends.
#include "Form1Fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

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

QPoint cellCentre(const rt::FlexGrid* grid, int row, int col)
{
    return grid->visualRect(grid->model()->index(row - 1, col)).center();
}

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

using Form1Grids = Form1Fixture;

// Tab brings the keyboard to a grid with its current row shown; Space then sends the very statement the mouse
// sends and flips the same cell.
TEST_F(Form1Grids, SpaceTogglesTheCurrentRowAsTheMouseDoes)
{
    Form1& form = start();
    const struct {
        rt::FlexGrid* grid;
        QWidget* before; // the control Tab leaves for the grid
        QString name;
        QString quoted;
        bool doubleClick;
    } grids[] = {
        { form.flex1, form.Text1, "Adam", "Adam", true },
        { form.flex2, form.Combo1, "A'isha", "A''isha", false },
    };
    for (const auto& side : grids) {
        SCOPED_TRACE(side.grid->objectName().toStdString());
        side.before->setFocus();
        QTest::keyClick(side.before, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), side.grid);
        EXPECT_TRUE(side.grid->selectionModel()->isRowSelected(side.grid->row() - 1));
        EXPECT_EQ(side.grid->currentIndex().row(), side.grid->row() - 1);

        const int row = rowOf(side.grid, side.name);
        while (side.grid->row() > row)
            QTest::keyClick(side.grid, Qt::Key_Up);
        while (side.grid->row() < row)
            QTest::keyClick(side.grid, Qt::Key_Down);
        QTest::keyClick(side.grid, Qt::Key_Space);
        EXPECT_EQ(side.grid->textMatrix(row, 3), QString("V"));
        const QStringList byKey = takeTrace();
        EXPECT_EQ(byKey, QStringList { toggleSql(side.quoted) });

        const QPoint cell = cellCentre(side.grid, row, 0);
        QTest::mouseClick(side.grid->viewport(), Qt::LeftButton, {}, cell);
        if (side.doubleClick)
            QTest::mouseDClick(side.grid->viewport(), Qt::LeftButton, {}, cell);
        EXPECT_EQ(takeTrace(), byKey);
        EXPECT_EQ(side.grid->textMatrix(row, 3), QString());
    }
    EXPECT_EQ(favourites(), QStringList());
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(Form1Grids, RightClickChoosesTheRowWithoutToggling)
{
    Form1& form = start();
    const int row = rowOf(form.flex2, "Anna");
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    });
    QTest::mouseClick(form.flex2->viewport(), Qt::RightButton, {}, cellCentre(form.flex2, row, 1));
    EXPECT_EQ(form.flex2->row(), row);
    EXPECT_EQ(takeTrace(), QStringList());
}

TEST_F(Form1Grids, TooltipShowsTheWholeTextOfACutOffCellAndAddedLines)
{
    Form1& form = start();
    const int aaron = rowOf(form.flex1, "Aaron");
    const int adam = rowOf(form.flex1, "Adam");
    EXPECT_EQ(toolTipAt(form.flex1, aaron, 1), LongMeaning.trimmed());
    EXPECT_EQ(toolTipAt(form.flex1, adam, 1), QString());
    EXPECT_EQ(toolTipAt(form.flex1, adam, 0), QString());

    form.addToolTipLines([](const Form1::NameCell& cell) {
        if (cell.column != 0)
            return QStringList();
        return QStringList { cell.name + (cell.gender == Gender::Male ? " boy" : " girl"), cell.origin };
    });
    EXPECT_EQ(toolTipAt(form.flex1, adam, 0), QString("Adam boy\nHebrew"));
    EXPECT_EQ(toolTipAt(form.flex2, rowOf(form.flex2, "Aino"), 0), QString("Aino girl\nFinnish"));
    EXPECT_EQ(toolTipAt(form.flex1, aaron, 1), LongMeaning.trimmed());
}

TEST_F(Form1Grids, ContextMenuActionsOnTheCurrentRow)
{
    Form1& form = start();
    std::unique_ptr<QMenu> menu;
    const auto entry = [&](rt::FlexGrid* grid, const char* name) {
        menu = form.createGridMenu(grid);
        QAction* action = menu->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    };

    form.flex2->setRow(rowOf(form.flex2, "A'isha"));
    entry(form.flex2, "copyName")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("A'isha"));

    form.flex2->selectAll();
    entry(form.flex2, "copyRows")->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QString("Name\tMeaning\tOrigin\tFav"));
    EXPECT_EQ(lines[rowOf(form.flex2, "Anna")], QString("Anna\tgrace \tHebrew\t"));

    form.flex2->setRow(rowOf(form.flex2, "Ariel"));
    entry(form.flex2, "toggleFavourite")->trigger();
    EXPECT_EQ(form.flex2->textMatrix(form.flex2->row(), 3), QString("V"));
    EXPECT_EQ(takeTrace(), QStringList { toggleSql("Ariel") });
    EXPECT_EQ(favourites(), QStringList({ "Ariel F", "Ariel M" }));

    // Entries added from outside come last and are told the row's cell.
    QStringList told;
    form.addMenuEntries([&told](QMenu& added, const Form1::NameCell& cell) {
        added.addAction("extra");
        told << cell.name + "|" + cell.origin + "|" + (cell.gender == Gender::Male ? "M" : "F");
    });
    form.flex1->setRow(rowOf(form.flex1, "Ahti"));
    entry(form.flex1, "showOrigin")->trigger();
    EXPECT_EQ(menu->actions().last()->text(), QString("extra"));
    EXPECT_EQ(told, QStringList { "Ahti|Finnish|M" });

    // Shown as a user would: the origin chosen, its check box ticked, the lists rebuilt in automatic mode.
    EXPECT_EQ(form.Combo1->text(), QString("Finnish"));
    EXPECT_EQ(form.Check4->value(), 1);
    EXPECT_EQ(form.flex1->rows(), 2);
    EXPECT_EQ(form.flex2->textMatrix(1, 0), QString("Aino"));
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(Form1Grids, AnEmptyGridOffersNoRowEntries)
{
    m_db.execute("delete from namabayi where jk='F'");
    Form1& form = start();
    const std::unique_ptr<QMenu> menu = form.createGridMenu(form.flex2);
    for (const char* name : { "copyName", "copyRows", "toggleFavourite", "showOrigin" }) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(menu->findChild<QAction*>(name)->isEnabled());
    }
}

// Ctrl+Z takes the changes back one at a time, latest first, with the statement each change sent; after a rebuild
// it finds the rows that now show the name.
TEST_F(Form1Grids, CtrlZUndoesFavouriteChangesOneAtATime)
{
    Form1& form = start();
    const int adam = rowOf(form.flex1, "Adam");
    const int aino = rowOf(form.flex2, "Aino");
    form.flex1->setFocus();
    form.flex1->setRow(adam);
    QTest::keyClick(form.flex1, Qt::Key_Space);
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, cellCentre(form.flex2, aino, 0));
    ASSERT_EQ(favourites(), QStringList({ "Adam M", "Aino F" }));
    takeTrace();

    QTest::keyClick(form.flex2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList { toggleSql("Aino") });
    EXPECT_EQ(form.flex2->textMatrix(aino, 3), QString());
    EXPECT_EQ(form.flex1->textMatrix(adam, 3), QString("V"));
    QTest::keyClick(form.flex2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList { toggleSql("Adam") });
    EXPECT_EQ(form.flex1->textMatrix(adam, 3), QString());
    QTest::keyClick(form.flex2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList());
    EXPECT_EQ(favourites(), QStringList());

    // Both Ariels flip; once the lists are rebuilt both show the mark, and the undo clears both.
    form.flex2->setRow(rowOf(form.flex2, "Ariel"));
    QTest::keyClick(form.flex2, Qt::Key_Space);
    form.Option2[1]->click();
    EXPECT_EQ(form.flex1->textMatrix(rowOf(form.flex1, "Ariel"), 3), QString("V"));
    takeTrace();
    // A text box keeps Ctrl+Z for its own text.
    form.Text2->setFocus();
    QTest::keyClick(form.Text2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList());
    form.flex1->setFocus();
    QTest::keyClick(form.flex1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList { toggleSql("Ariel") });
    EXPECT_EQ(form.flex1->textMatrix(rowOf(form.flex1, "Ariel"), 3), QString());
    EXPECT_EQ(form.flex2->textMatrix(rowOf(form.flex2, "Ariel"), 3), QString());
    EXPECT_EQ(favourites(), QStringList());
    EXPECT_EQ(m_errors, QStringList());
}
