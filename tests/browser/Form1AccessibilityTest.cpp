// The browser window for everyone: every text it draws readable under a light and a dark palette, every control
// named for a screen reader, and the grids read cell by cell.
#include "Form1Fixture.h"

#include <QAccessible>
#include <QAccessibleTableInterface>

using namespace tervala;

using Form1Accessibility = Form1Fixture;

TEST_F(Form1Accessibility, EveryTextReadsUnderALightAndADarkPalette)
{
    underLightAndDarkPalettes([&] {
        Form1& form = start();
        EXPECT_EQ(unreadableTexts(form), QStringList());
        // The progress bar is fixed blue, so its box must not take the palette's background.
        EXPECT_GE(rt::contrastRatio(Qt::blue, form.Picture4->backColor()), 4.5);
        EXPECT_EQ(unreadableCells(*form.flex1) + unreadableCells(*form.flex2), QStringList());
    });
}

TEST_F(Form1Accessibility, EveryControlIsNamedAndGridCellsReadWithTheirHeader)
{
    Form1& form = start();
    const auto name = [](QAccessibleInterface* item) { return item->text(QAccessible::Name); };
    // Controls carry their legacy name as object name; Qt's own parts of a control start with "qt_".
    for (QWidget* control : form.findChildren<QWidget*>()) {
        const QString objectName = control->objectName();
        const bool named = !name(QAccessible::queryAccessibleInterface(control)).isEmpty();
        EXPECT_TRUE(named || objectName.isEmpty() || objectName.startsWith("qt_")) << objectName.toStdString();
    }
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(form.flex2)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(name(table->cellAt(0, 2)), QString("Arabic"));
    const QList<QAccessibleInterface*> headers = table->cellAt(0, 2)->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(name(headers[0]), QString("Origin"));
    // A listener hears what the mark means.
    EXPECT_EQ(name(table->cellAt(0, 3)), QString("not a favourite"));
    form.flex2->setTextMatrix(1, 3, "V");
    EXPECT_EQ(name(table->cellAt(0, 3)), QString("favourite"));
}

// Of the two lists, only the one with the keyboard shows its chosen rows in the highlight colour; the row the
// keyboard arrives on (the current row: the last the load shaded) is chosen, and a reload leaves no row chosen
// that the user did not choose.
TEST_F(Form1Accessibility, TheListWithTheKeyboardShowsAndAReloadChoosesNoRow)
{
    Form1& form = start();
    const QColor highlight = form.palette().color(QPalette::Active, QPalette::Highlight);
    const auto shown = [&](const rt::FlexGrid* grid) {
        QStringList rows;
        for (const QModelIndex& index : grid->selectionModel()->selectedRows())
            rows << grid->textMatrix(index.row() + 1, 0);
        const bool highlighted = grid->palette().color(QPalette::Active, QPalette::Highlight) == highlight;
        return (highlighted ? "highlight: " : "mid: ") + rows.join(',');
    };
    EXPECT_EQ(shown(form.flex1) + " / " + shown(form.flex2), QString("mid:  / mid: "));
    form.flex1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown(form.flex1) + " / " + shown(form.flex2), QString("highlight: Adam / mid: "));
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, cellCentre(form.flex2, 2, 0));
    EXPECT_EQ(shown(form.flex1) + " / " + shown(form.flex2), QString("mid: Adam / highlight: Aino"));
    form.Option2[1]->click();
    EXPECT_EQ(shown(form.flex1) + " / " + shown(form.flex2), QString("mid:  / highlight: "));
}
