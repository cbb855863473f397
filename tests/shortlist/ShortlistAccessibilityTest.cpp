// The shortlist for everyone: the Say button without a speech engine, every control named for a screen reader and
// reached by the keyboard alone, and every text readable under a light and a dark palette.
#include "ShortlistFixture.h"
#include "shortlist/ShortlistView.h"

#include <QAccessible>

using namespace tervala;

using ShortlistAccessibility = ShortlistFixture;

// Without a speech engine Say is disabled and tells what to install, and nothing else changes: the keyboard's Alt+S
// reaches no action.
TEST_F(ShortlistAccessibility, EveryControlIsNamedAndTheKeyboardReachesEachInTurn)
{
    ShortlistWindow& window = openShortlist({ "Adam", "Aino" });
    EXPECT_FALSE(window.sayButton->isEnabled());
    EXPECT_TRUE(window.sayButton->toolTip().contains("qt6-speech-speechd-plugin"));
    EXPECT_TRUE(window.sayButton->toolTip().contains("speech-dispatcher-espeak-ng"));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shown(), QStringList({ "Adam me", "Aino me" }));
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
    EXPECT_EQ(reached.join(' '),
              QString("filterList surnameBox middleNameBox list moveUpButton moveDownButton exportButton printButton "
                      "closeButton compareButton filterList"));
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
    underLightAndDarkPalettes([&] {
        ShortlistWindow& window = openShortlist({ "Adam", "Aino" });
        QTest::keyClicks(window.surnameBox, "Smith");
        EXPECT_EQ(unreadableTexts(window), QStringList());
        EXPECT_EQ(unreadableCells(*window.list), QStringList());
        // Cells take the palette's colours: the model gives none of its own.
        const ShortlistModel& model = *window.model();
        for (int column = 0; column < model.columnCount(); ++column) {
            EXPECT_FALSE(model.index(0, column).data(Qt::ForegroundRole).isValid());
            EXPECT_FALSE(model.index(0, column).data(Qt::BackgroundRole).isValid());
        }
        closeAll();
    });
}
