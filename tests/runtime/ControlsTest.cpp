// Which changes of the controls raise Click or Change, and when: the forms depend on the exact events.
// Also twips placement, each value rounded to the nearest pixel.
#include "TestSupport.h"
#include "runtime/CheckBox.h"
#include "runtime/ComboBox.h"
#include "runtime/OptionButton.h"
#include "runtime/TextBox.h"
#include "runtime/Twips.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tervala::rt;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            Option1[i] = new OptionButton(&m_form, "Option1", i);
            setTwipsGeometry(Option1[i], 120, 120 + 300 * i, 1500, 255);
        }
        setTwipsGeometry(&Check1, 120, 1200, 1500, 255);
        m_form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
    }

    static void clickIndicator(QWidget* control)
    {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }

    QWidget m_form;
    OptionButton* Option1[3] {};
    CheckBox Check1 { &m_form, "Check1" };
};

TEST_F(ControlsTest, OptionButtonClicksOnceWhenSelectedWithTheOldOneAlreadyCleared)
{
    QStringList clicks; // "<index>:<values of the three buttons as its handler sees them>"
    for (int i = 0; i < 3; ++i) {
        QObject::connect(Option1[i], &OptionButton::Click, [&, i] {
            clicks << QString("%1:%2%3%4")
                          .arg(i)
                          .arg(int(Option1[0]->value()))
                          .arg(int(Option1[1]->value()))
                          .arg(int(Option1[2]->value()));
        });
    }
    // From code the Click is raised inside setValue; selecting the selected button raises none.
    Option1[0]->setValue(true);
    Option1[1]->setValue(true);
    Option1[1]->setValue(true);
    EXPECT_EQ(clicks, QStringList({ "0:100", "1:010" }));

    clickIndicator(Option1[2]);
    clickIndicator(Option1[2]);
    EXPECT_EQ(clicks, QStringList({ "0:100", "1:010", "2:001" }));
}

TEST_F(ControlsTest, CheckBoxClicksOnEveryChangeByUserOrCode)
{
    QSignalSpy clicks(&Check1, &CheckBox::Click);
    Check1.setValue(1);
    Check1.setValue(1);
    EXPECT_EQ(clicks.count(), 1);
    clickIndicator(&Check1);
    EXPECT_EQ(Check1.value(), 0);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(TextBoxTest, ChangeForEveryKeystrokeAndForTextFromCode)
{
    TextBox Text1(nullptr, "Text1");
    QSignalSpy changes(&Text1, &TextBox::Change);
    QTest::keyClicks(&Text1, "O'Nei");
    EXPECT_EQ(changes.count(), 5);
    QTest::keyClick(&Text1, Qt::Key_Backspace);
    Text1.setText("Zoë");
    EXPECT_EQ(changes.count(), 7);
}

TEST(ComboBoxTest, AddingEntriesChoosesNothing)
{
    ComboBox Combo1(nullptr, "Combo1");
    QSignalSpy clicks(&Combo1, &ComboBox::Click);
    Combo1.addItems({ "Boys", "Girls" });
    EXPECT_EQ(Combo1.currentIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(TwipsTest, GeometryRoundsEachValueRelativeToTheParent)
{
    QWidget form;
    QWidget frame(&form);
    setTwipsGeometry(&frame, 300, 300, 12000, 6000);
    QWidget control(&frame);
    setTwipsGeometry(&control, 1642, 938, 22, 23);
    EXPECT_EQ(control.geometry(), QRect(109, 63, 1, 2));
}
