// The shortlist for everyone: the Say button without a speech engine, every control named for a screen reader and
// reached by the keyboard alone, and every text readable under a light and a dark palette.
#include "ShortlistFixture.h"
#include "runtime/controls/Contrast.h"
#include "shortlist/NameSpeaker.h"
#include "shortlist/ShortlistView.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace tervala;

using ShortlistAccessibility = ShortlistFixture;

TEST_F(ShortlistAccessibility, WithoutASpeechEngineSayIsDisabledAndTellsWhatToInstall)
{
    m_db.execute("update namabayi set fav=1 where nama='Adam'");
    ShortlistWindow& window = openShortlist();
    EXPECT_FALSE(window.sayButton->isEnabled());
    EXPECT_EQ(window.sayButton->toolTip(), NameSpeaker::missingEngineText());
    EXPECT_TRUE(window.sayButton->toolTip().contains("qt6-speech-speechd-plugin"));
    EXPECT_TRUE(window.sayButton->toolTip().contains("speech-dispatcher-espeak-ng"));
    // Nothing else changes: the keyboard's Alt+S reaches no action and the list still ranks.
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shown(), QStringList({ "Adam me" }));
    EXPECT_FALSE(NameSpeaker("no-engine").isAvailable());
}

TEST_F(ShortlistAccessibility, EveryControlIsNamedAndTheKeyboardReachesEachInTurn)
{
    m_db.execute("update namabayi set fav=1 where nama in ('Adam', 'Aino')");
    ShortlistWindow& window = openShortlist();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue;
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(control);
        EXPECT_FALSE(item->text(QAccessible::Name).isEmpty()) << control->objectName().toStdString();
    }

    // Without a partner, the partner's controls are passed over.
    window.filterList->setFocus();
    QStringList reached;
    for (int press = 0; press < 11; ++press) {
        reached << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(reached,
              QStringList({ "filterList",
                            "surnameBox",
                            "middleNameBox",
                            "list",
                            "moveUpButton",
                            "moveDownButton",
                            "exportButton",
                            "printButton",
                            "closeButton",
                            "compareButton",
                            "filterList" }));
    // Access keys of the labels move the keyboard to their boxes.
    QTest::keyClick(&window, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.surnameBox);
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.list);
    QTest::keyClick(window.list, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ShortlistAccessibility, EveryTextReadsUnderALightAndADarkPalette)
{
    m_db.execute("update namabayi set fav=1 where nama in ('Adam', 'Aino')");
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    const QPalette original = QApplication::palette();
    for (const QPalette& palette : { QApplication::style()->standardPalette(), dark }) {
        QApplication::setPalette(palette);
        ShortlistWindow& window = openShortlist();
        QTest::keyClicks(window.surnameBox, "Smith");
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&window) || !control->isEnabled())
                continue;
            const QPalette& colors = control->palette();
            double contrast = 21;
            if (qobject_cast<const QLineEdit*>(control))
                contrast = rt::contrastRatio(colors.color(QPalette::Text), colors.color(QPalette::Base));
            else if (qobject_cast<const QPushButton*>(control) || qobject_cast<const QComboBox*>(control))
                contrast = rt::contrastRatio(colors.color(QPalette::ButtonText), colors.color(QPalette::Button));
            else if (qobject_cast<const QLabel*>(control))
                contrast = rt::contrastRatio(colors.color(QPalette::WindowText), colors.color(QPalette::Window));
            EXPECT_GE(contrast, 4.5) << control->objectName().toStdString();
        }
        // Cells take the palette's colours: the model gives none of its own.
        const ShortlistModel& model = *window.model();
        for (int column = 0; column < model.columnCount(); ++column) {
            EXPECT_FALSE(model.index(0, column).data(Qt::ForegroundRole).isValid());
            EXPECT_FALSE(model.index(0, column).data(Qt::BackgroundRole).isValid());
        }
        const QPalette& cells = window.list->palette();
        EXPECT_GE(rt::contrastRatio(cells.color(QPalette::Text), cells.color(QPalette::Base)), 4.5);
        EXPECT_GE(rt::contrastRatio(cells.color(QPalette::HighlightedText), cells.color(QPalette::Highlight)), 4.5);
        closeAll();
    }
    QApplication::setPalette(original);
}
