// The browser window for everyone: every text it draws readable under a light and a dark palette, every control
// named for a screen reader, and the grids read cell by cell.
#include "Form1Fixture.h"
#include "runtime/controls/Contrast.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

using namespace tervala;

namespace {

// The contrast of a control's text with what is behind it, by the roles the style paints them with.
double textContrast(const QWidget* control)
{
    const QPalette& colors = control->palette();
    if (qobject_cast<const QLineEdit*>(control))
        return rt::contrastRatio(colors.color(QPalette::Text), colors.color(QPalette::Base));
    if (qobject_cast<const QComboBox*>(control) || control->inherits("QPushButton"))
        return rt::contrastRatio(colors.color(QPalette::ButtonText), colors.color(QPalette::Button));
    const QWidget* behind = control;
    while (!behind->isWindow() && !behind->autoFillBackground())
        behind = behind->parentWidget();
    return rt::contrastRatio(colors.color(QPalette::WindowText), behind->palette().color(behind->backgroundRole()));
}

} // namespace

using Form1Accessibility = Form1Fixture;

TEST_F(Form1Accessibility, EveryTextReadsUnderALightAndADarkPalette)
{
    // Light text on dark grey, with a highlight that white text does not read on.
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    const QPalette original = QApplication::palette();
    for (const QPalette& palette : { QApplication::style()->standardPalette(), dark }) {
        QApplication::setPalette(palette);
        Form1& form = start();
        for (const QWidget* control : form.findChildren<QWidget*>()) {
            const bool drawsText = qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control)
                || qobject_cast<const QLineEdit*>(control) || qobject_cast<const QComboBox*>(control);
            const bool shown = drawsText && control->isEnabled() && control->isVisibleTo(&form);
            EXPECT_TRUE(!shown || textContrast(control) >= 4.5) << control->objectName().toStdString();
        }
        // The progress bar is fixed blue, so its box must not take the palette's background.
        EXPECT_GE(rt::contrastRatio(Qt::blue, form.Picture4->backColor()), 4.5);
        for (const rt::FlexGrid* grid : { form.flex1, form.flex2 }) {
            // A cell without colours of its own is drawn in the palette's.
            for (int row = 0; row < grid->model()->rowCount(); ++row) {
                for (int col = 0; col < 4; ++col) {
                    const QVariant text = grid->model()->index(row, col).data(Qt::ForegroundRole);
                    const QVariant back = grid->model()->index(row, col).data(Qt::BackgroundRole);
                    EXPECT_GE(rt::contrastRatio(text.isValid() ? text.value<QColor>() : palette.color(QPalette::Text),
                                                back.isValid() ? back.value<QColor>() : palette.color(QPalette::Base)),
                              4.5);
                }
            }
            const QPalette& header = grid->horizontalHeader()->palette();
            EXPECT_GE(rt::contrastRatio(header.color(QPalette::ButtonText), header.color(QPalette::Button)), 4.5);
            for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
                EXPECT_GE(rt::contrastRatio(grid->palette().color(group, QPalette::HighlightedText),
                                            grid->palette().color(group, QPalette::Highlight)),
                          4.5);
            }
        }
    }
    QApplication::setPalette(original);
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
