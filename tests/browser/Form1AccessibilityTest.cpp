// The browser window for everyone: every text it draws readable under a light and a dark palette, and every
// control named for a screen reader, the grids readable cell by cell.
#include "Form1Fixture.h"
#include "runtime/Contrast.h"

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

// A dark desktop palette such as the "darker" colour schemes give: light text on dark grey.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, Qt::white);
    // White on this blue is below 4.5:1, as in several dark schemes.
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// The colour a control draws its text in and the colour behind it, by the roles the style paints them with.
std::pair<QColor, QColor> textAndBackground(const QWidget* control)
{
    const QPalette& colors = control->palette();
    if (qobject_cast<const QLineEdit*>(control))
        return { colors.color(QPalette::Text), colors.color(QPalette::Base) };
    if (qobject_cast<const QComboBox*>(control) || control->inherits("QPushButton"))
        return { colors.color(QPalette::ButtonText), colors.color(QPalette::Button) };
    const QWidget* behind = control;
    while (!behind->isWindow() && !behind->autoFillBackground())
        behind = behind->parentWidget();
    return { colors.color(QPalette::WindowText), behind->palette().color(behind->backgroundRole()) };
}

class PaletteScope {
public:
    explicit PaletteScope(const QPalette& palette) { QApplication::setPalette(palette); }
    ~PaletteScope() { QApplication::setPalette(m_original); }

private:
    QPalette m_original = QApplication::palette();
};

} // namespace

using Form1Accessibility = Form1Fixture;

TEST_F(Form1Accessibility, EveryTextReadsUnderALightAndADarkPalette)
{
    for (const QPalette& palette : { QApplication::style()->standardPalette(), darkPalette() }) {
        SCOPED_TRACE(palette.color(QPalette::Window).name().toStdString());
        const PaletteScope scope(palette);
        Form1& form = start();
        for (const QWidget* control : form.findChildren<QWidget*>()) {
            const bool drawsText = qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control)
                || qobject_cast<const QLineEdit*>(control) || qobject_cast<const QComboBox*>(control);
            if (!drawsText || !control->isEnabled() || !control->isVisibleTo(&form))
                continue;
            SCOPED_TRACE(control->objectName().toStdString());
            const auto [text, background] = textAndBackground(control);
            EXPECT_GE(rt::contrastRatio(text, background), 4.5);
        }
        // The progress bar is fixed blue, so its box must not take the palette's background.
        for (const rt::PictureBox* box : { form.Picture4, form.Picture5 })
            EXPECT_GE(rt::contrastRatio(QColor(0, 0, 255), box->backColor()), 4.5);

        for (const rt::FlexGrid* grid : { form.flex1, form.flex2 }) {
            SCOPED_TRACE(grid->objectName().toStdString());
            const QAbstractItemModel* cells = grid->model();
            ASSERT_GT(cells->rowCount(), 1);
            for (int row = 0; row < cells->rowCount(); ++row) {
                for (int col = 0; col < cells->columnCount(); ++col) {
                    // A cell without colours of its own is drawn in the palette's.
                    const QModelIndex cell = cells->index(row, col);
                    const QVariant text = cell.data(Qt::ForegroundRole);
                    const QVariant background = cell.data(Qt::BackgroundRole);
                    EXPECT_GE(rt::contrastRatio(text.isValid() ? text.value<QColor>() : palette.color(QPalette::Text),
                                                background.isValid() ? background.value<QColor>()
                                                                     : palette.color(QPalette::Base)),
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
}

TEST_F(Form1Accessibility, EveryControlIsNamedAndCaptionsStay)
{
    Form1& form = start();
    const auto accessibleName
        = [](QObject* object) { return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name); };
    // Controls carry their legacy name as object name; Qt's own parts of a control start with "qt_".
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue;
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_FALSE(accessibleName(control).isEmpty());
    }
    const struct {
        QWidget* control;
        const char* name;
    } named[] = {
        { &form, "Tervala baby names" },
        { form.Option1[0], "Initial A" },
        { form.Option1[25], "Initial Z" },
        { form.Option1[Form1::AllLetters], "All initials" },
        { form.Text1, "Text the meanings contain" },
        { form.Text2, "Text the names contain" },
        { form.Combo1, "Origin" },
        { form.Option2[1], "Sort by meaning" },
        { form.Option3[1], "Refresh by hand" },
        { form.Command1, "Refresh" },
        { form.flex1, "Boys' names" },
        { form.flex2, "Girls' names" },
    };
    for (const auto& expected : named)
        EXPECT_EQ(accessibleName(expected.control), QString(expected.name));
    EXPECT_EQ(form.Check3->text(), QString("Show names that contains :"));
    EXPECT_EQ(form.Option1[0]->text(), QString());

    // Rows read cell by cell under captions without their padding blanks.
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(form.flex2)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), form.flex2->textMatrix(1, 0));
    QAccessibleInterface* origin = table->cellAt(0, 2);
    EXPECT_EQ(origin->text(QAccessible::Name), form.flex2->textMatrix(1, 2));
    const QList<QAccessibleInterface*> headers = origin->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), QString("Origin"));
    EXPECT_EQ(table->cellAt(0, 3)->text(QAccessible::Name), QString("not a favourite"));
    form.flex2->setTextMatrix(1, 3, "V");
    EXPECT_EQ(table->cellAt(0, 3)->text(QAccessible::Name), QString("favourite"));
}
