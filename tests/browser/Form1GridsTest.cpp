// The name grids: the favourite toggle by mouse, keyboard, menu and undo, each checked by the statement it sends,
// and the other actions of a row's context menu.
#include "Form1Fixture.h"

#include <QClipboard>
#include <QTimer>

using namespace tervala;

using Form1Grids = Form1Fixture;

// Space sends the statement the mouse sends and flips the
// same mark; a right click only chooses a row. Ctrl+Z takes every change back, latest first, with its statement.
TEST_F(Form1Grids, KeyboardMouseAndUndoToggleAlike)
{
    Form1& form = start();
    const struct {
        rt::FlexGrid* grid;
        int row;
        QString sql;
    } grids[] = { { form.flex1, 3, toggleSql("Adam") }, { form.flex2, 1, toggleSql("A''isha") } };
    for (const auto& side : grids) {
        side.grid->setFocus();
        while (side.grid->row() != side.row)
            QTest::keyClick(side.grid, side.grid->row() > side.row ? Qt::Key_Up : Qt::Key_Down);
        QTest::keyClick(side.grid, Qt::Key_Space);
        EXPECT_EQ(side.grid->textMatrix(side.row, 3), QString("V"));
        EXPECT_EQ(takeTrace(), QStringList { side.sql });

        QTimer::singleShot(0, [] {
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        QTest::mouseClick(side.grid->viewport(), Qt::RightButton, {}, cellCentre(side.grid, 2, 1));
        EXPECT_EQ(side.grid->row(), 2);
        // The boys' grid toggles on a double click, the girls' on a click.
        QTest::mouseClick(side.grid->viewport(), Qt::LeftButton, {}, cellCentre(side.grid, side.row, 0));
        if (side.grid == form.flex1)
            QTest::mouseDClick(side.grid->viewport(), Qt::LeftButton, {}, cellCentre(side.grid, side.row, 0));
        EXPECT_EQ(side.grid->textMatrix(side.row, 3), QString());
        EXPECT_EQ(takeTrace(), QStringList { side.sql });
    }
    const struct {
        QString sql;
        QString marks;
        QStringList favourites;
    } undos[] = {
        { grids[1].sql, "||||/V|||", { "A'isha F" } },
        { grids[1].sql, "||||/|||", {} },
        { grids[0].sql, "||V||/|||", { "Adam M" } },
        { grids[0].sql, "||||/|||", {} },
        { {}, "||||/|||", {} },
    };
    for (const auto& undo : undos) {
        QTest::keyClick(form.flex2, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(takeTrace(), undo.sql.isEmpty() ? QStringList() : QStringList { undo.sql });
        EXPECT_EQ(lists(3), undo.marks);
        EXPECT_EQ(favourites(), undo.favourites);
    }

    // Both Ariels flip; once the lists are rebuilt both show the mark, and the undo finds and clears both. A text
    // box keeps Ctrl+Z for its own text.
    form.flex2->setRow(4);
    QTest::keyClick(form.flex2, Qt::Key_Space);
    form.Option2[1]->click();
    EXPECT_EQ(lists(3), QString("||V||/||V|"));
    takeTrace();
    form.Text2->setFocus();
    QTest::keyClick(form.Text2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList());
    form.flex1->setFocus();
    QTest::keyClick(form.flex1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList { toggleSql("Ariel") });
    EXPECT_EQ(lists(3), QString("||||/|||"));
}

// Space and Enter (main keyboard or keypad) toggle the current row; with a modifier, or another key, they do not.
TEST_F(Form1Grids, KeysThatToggleAndKeysThatDoNot)
{
    Form1& form = start();
    form.flex2->setFocus();
    form.flex2->setRow(1);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool toggles;
    } keys[] = {
        { Qt::Key_Space, {}, true },
        { Qt::Key_Return, {}, true },
        { Qt::Key_Enter, Qt::KeypadModifier, true },
        { Qt::Key_Space, Qt::ControlModifier, false },
        { Qt::Key_Space, Qt::ShiftModifier, false },
        { Qt::Key_Return, Qt::AltModifier, false },
        { Qt::Key_V, {}, false },
    };
    for (const auto& k : keys) {
        QTest::keyClick(form.flex2, k.key, k.modifiers);
        EXPECT_EQ(takeTrace(), k.toggles ? QStringList { toggleSql("A''isha") } : QStringList()) << k.key;
    }
}

TEST_F(Form1Grids, ContextMenuActionsOnTheCurrentRow)
{
    Form1& form = start();
    const auto trigger = [&](rt::FlexGrid* grid, int row, const char* entry) {
        if (row)
            grid->setRow(row);
        form.createGridMenu(grid)->findChild<QAction*>(entry)->trigger();
    };
    trigger(form.flex2, 1, "copyName");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("A'isha"));
    form.flex2->selectAll();
    trigger(form.flex2, 0, "copyRows");
    EXPECT_EQ(QGuiApplication::clipboard()->text().split('\n').value(3), QString("Anna\tgrace \tHebrew\t"));
    trigger(form.flex2, 4, "toggleFavourite");
    EXPECT_EQ(form.flex2->textMatrix(4, 3), QString("V"));
    EXPECT_EQ(takeTrace(), QStringList { toggleSql("Ariel") });
    // As a user would: the origin chosen, its box ticked, the lists rebuilt in automatic mode.
    trigger(form.flex1, 4, "showOrigin");
    EXPECT_EQ(form.Check4->value(), 1);
    EXPECT_EQ(lists(), QString("Ahti/Aino"));
}

TEST_F(Form1Grids, EmptyGridsShowTheirHeaderAndOfferNoRowEntries)
{
    m_db.execute("delete from namabayi");
    Form1& form = start();
    EXPECT_EQ(form.flex1->rows() + form.flex2->rows(), 2);
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    const std::unique_ptr<QMenu> menu = form.createGridMenu(form.flex2);
    for (const char* name : { "copyName", "copyRows", "toggleFavourite", "showOrigin" })
        EXPECT_FALSE(menu->findChild<QAction*>(name)->isEnabled()) << name;
}
