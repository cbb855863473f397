// Which changes of the controls raise Click or Change, and when: the forms depend on the exact events.
// Also twips placement, shapes staying out of the way, and the picture box's drawing and repaint economy.
#include "TestSupport.h"
#include "runtime/CheckBox.h"
#include "runtime/ComboBox.h"
#include "runtime/CommandButton.h"
#include "runtime/OptionButton.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "runtime/TextBox.h"
#include "runtime/Twips.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace tervala::rt;

namespace {

class OptionButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            Option1[i] = new OptionButton(&m_form, "Option1", i);
            Option1[i]->setText(QStringLiteral("Choice %1").arg(i));
            setTwipsGeometry(Option1[i], 120, 120 + 300 * i, 1500, 255);
            m_clicks[i] = std::make_unique<QSignalSpy>(Option1[i], &OptionButton::Click);
        }
        m_form.resize(200, 100);
        m_form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
    }

    int clicks(int index) const { return static_cast<int>(m_clicks[index]->count()); }

    QWidget m_form;
    std::array<OptionButton*, 3> Option1 {};
    std::array<std::unique_ptr<QSignalSpy>, 3> m_clicks;
};

TEST_F(OptionButtonTest, SetValueFromCodeClicksOnceAfterClearingSiblings)
{
    Option1[0]->setValue(true);
    bool siblingValueInClick = true;
    QObject::connect(Option1[1], &OptionButton::Click, [&] { siblingValueInClick = Option1[0]->value(); });

    Option1[1]->setValue(true);
    EXPECT_EQ(clicks(1), 1); // counted before any event processing: raised inside setValue
    EXPECT_FALSE(siblingValueInClick);
    EXPECT_FALSE(Option1[0]->value());
    EXPECT_EQ(clicks(0), 1); // from its own selection only, not from losing it

    Option1[1]->setValue(true);
    EXPECT_EQ(clicks(1), 1);
}

TEST_F(OptionButtonTest, UserClickRaisesClickOnlyWhenSelecting)
{
    const QPoint indicator(6, Option1[2]->height() / 2);
    QTest::mouseClick(Option1[2], Qt::LeftButton, {}, indicator);
    EXPECT_TRUE(Option1[2]->value());
    EXPECT_EQ(clicks(2), 1);

    QTest::mouseClick(Option1[2], Qt::LeftButton, {}, indicator);
    EXPECT_TRUE(Option1[2]->value());
    EXPECT_EQ(clicks(2), 1);

    // A handler of the newly selected button already sees the old one deselected.
    bool oldValueInClick = true;
    QObject::connect(Option1[0], &OptionButton::Click, [&] { oldValueInClick = Option1[2]->value(); });
    QTest::mouseClick(Option1[0], Qt::LeftButton, {}, indicator);
    EXPECT_FALSE(oldValueInClick);
    EXPECT_FALSE(Option1[2]->value());
    EXPECT_EQ(clicks(2), 1);
    EXPECT_EQ(clicks(0), 1);
}

TEST_F(OptionButtonTest, SetValueFalseLeavesGroupUnselected)
{
    Option1[1]->setValue(true);
    Option1[1]->setValue(false);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(Option1[i]->value());
    }
    EXPECT_EQ(clicks(1), 1);

    Option1[1]->setValue(true);
    EXPECT_EQ(clicks(1), 2);
}

TEST_F(OptionButtonTest, GroupsInOtherContainersAreIndependent)
{
    QWidget frame(&m_form);
    OptionButton inFrameA(&frame, "Option2", 0);
    OptionButton inFrameB(&frame, "Option2", 1);

    Option1[0]->setValue(true);
    inFrameA.setValue(true);
    inFrameB.setValue(true);

    EXPECT_TRUE(Option1[0]->value());
    EXPECT_FALSE(inFrameA.value());
    EXPECT_TRUE(inFrameB.value());
}

TEST(CheckBoxTest, ClickOnEveryChangeByUserOrCode)
{
    QWidget form;
    CheckBox Check1(&form, "Check1");
    Check1.setText(QStringLiteral("Favourites only"));
    setTwipsGeometry(&Check1, 120, 120, 2000, 255);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QSignalSpy clicks(&Check1, &CheckBox::Click);

    Check1.setValue(1);
    EXPECT_EQ(clicks.count(), 1);
    Check1.setValue(1);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(&Check1, Qt::LeftButton, {}, QPoint(6, Check1.height() / 2));
    EXPECT_EQ(Check1.value(), 0);
    EXPECT_EQ(clicks.count(), 2);

    Check1.setValue(1);
    Check1.setValue(0);
    EXPECT_EQ(clicks.count(), 4);
}

TEST(TextBoxTest, ChangeForEveryKeystrokeAndForTextFromCode)
{
    TextBox Text1(nullptr, "Text1");
    QSignalSpy changes(&Text1, &TextBox::Change);

    QTest::keyClicks(&Text1, QStringLiteral("O'Nei"));
    EXPECT_EQ(changes.count(), 5);
    QTest::sendKeyEvent(QTest::Click, &Text1, Qt::Key_Ediaeresis, QStringLiteral("ë"), Qt::NoModifier);
    EXPECT_EQ(changes.count(), 6);
    EXPECT_EQ(Text1.text(), QStringLiteral("O'Neië"));

    QTest::keyClick(&Text1, Qt::Key_Backspace);
    EXPECT_EQ(changes.count(), 7);

    Text1.setText(QStringLiteral("Zoë"));
    EXPECT_EQ(changes.count(), 8);
}

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* entry : { "Boys", "Girls", "Both" })
            Combo1.addItem(entry);
    }

    ComboBox Combo1 { nullptr, "Combo1" };
    QSignalSpy m_clicks { &Combo1, &ComboBox::Click };
};

TEST_F(ComboBoxTest, AddingEntriesChoosesNothing)
{
    EXPECT_EQ(Combo1.currentIndex(), -1);
    EXPECT_EQ(Combo1.text(), QString());
    EXPECT_EQ(m_clicks.count(), 0);

    Combo1.clear();
    Combo1.addItems({ "Finnish", "Swedish" });
    EXPECT_EQ(Combo1.currentIndex(), -1);
    EXPECT_EQ(m_clicks.count(), 0);
}

TEST_F(ComboBoxTest, ClickWhenUserChoosesAnEntry)
{
    QTest::keyClick(&Combo1, Qt::Key_Down);
    EXPECT_EQ(m_clicks.count(), 1);
    EXPECT_EQ(Combo1.text(), QStringLiteral("Boys"));
}

TEST_F(ComboBoxTest, ClickWhenCodeChoosesAnEntryButNotWhenItClears)
{
    Combo1.setCurrentIndex(2);
    EXPECT_EQ(m_clicks.count(), 1);
    EXPECT_EQ(Combo1.text(), QStringLiteral("Both"));

    Combo1.setCurrentIndex(-1);
    EXPECT_EQ(m_clicks.count(), 1);
    EXPECT_EQ(Combo1.text(), QString());
}

TEST(TwipsTest, RoundsToNearestPixel)
{
    const struct {
        int twips;
        int pixels;
    } cases[] = { { 0, 0 }, { 7, 0 }, { 8, 1 }, { 22, 1 }, { 23, 2 }, { -8, -1 }, { 9675, 645 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.twips);
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels);
    }
}

TEST(TwipsTest, GeometryIsRelativeToParent)
{
    QWidget form;
    QWidget frame(&form);
    setTwipsGeometry(&frame, 300, 300, 12000, 6000);
    QWidget control(&frame);
    setTwipsGeometry(&control, 1635, 930, 9675, 495);
    EXPECT_EQ(control.geometry(), QRect(109, 62, 645, 33));
}

TEST(ShapeTest, LiesUnderControlsAndLetsClicksThrough)
{
    QWidget form;
    CommandButton Command1(&form, "Command1", QStringLiteral("OK"));
    setTwipsGeometry(&Command1, 600, 600, 1200, 375);
    Shape Shape1(&form, "Shape1");
    setTwipsGeometry(&Shape1, 300, 300, 3000, 1500);

    EXPECT_EQ(form.childAt(Command1.geometry().center()), &Command1);
    EXPECT_EQ(form.childAt(QPoint(21, 21)), nullptr);
}

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setTwipsGeometry(&Picture1, 0, 0, 1530, 330); // 102 x 22 pixels, 100 x 20 inside the frame
        m_form.resize(200, 100);
        m_form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_form));
        Picture1.installEventFilter(&m_paintCounter);
    }

    // Colour at a point given in pixels from the top-left corner inside the frame.
    QColor colorAt(int x, int y) { return Picture1.grab().toImage().pixelColor(x + 1, y + 1); }

    // Delivers everything posted, which includes any repaint the picture box asked for.
    static void deliverPosted()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents();
    }

    struct PaintCounter : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
        int paints = 0;
    };

    QWidget m_form;
    PictureBox Picture1 { &m_form, "Picture1" };
    PaintCounter m_paintCounter;
};

TEST_F(PictureBoxTest, FilledBoxCoversBothCornersAndClsClears)
{
    Picture1.drawBox(0, 0, 750, 300, Qt::blue, true);
    EXPECT_EQ(colorAt(0, 0), QColor(Qt::blue));
    EXPECT_EQ(colorAt(50, 19), QColor(Qt::blue));
    EXPECT_NE(colorAt(51, 10), QColor(Qt::blue));

    Picture1.cls();
    EXPECT_NE(colorAt(10, 10), QColor(Qt::blue));
}

TEST_F(PictureBoxTest, OpenBoxDrawsOnlyItsBorder)
{
    Picture1.drawBox(150, 150, 750, 225, Qt::red, false);
    EXPECT_EQ(colorAt(10, 10), QColor(Qt::red));
    EXPECT_EQ(colorAt(50, 15), QColor(Qt::red));
    EXPECT_NE(colorAt(30, 12), QColor(Qt::red));
}

TEST_F(PictureBoxTest, RepaintsOnlyWhenPixelsChange)
{
    Picture1.drawBox(0, 0, 300, 300, Qt::blue, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_paintCounter.paints > 0; }));
    const int paints = m_paintCounter.paints;

    // A progress bar redrawn per row: the same pixels whether drawn over or after cls.
    for (int row = 0; row < 10; ++row) {
        Picture1.drawBox(0, 0, 300 + row, 300, Qt::blue, true);
        Picture1.cls();
        Picture1.drawBox(0, 0, 300, 300, Qt::blue, true);
        deliverPosted();
    }
    EXPECT_EQ(m_paintCounter.paints, paints);

    Picture1.drawBox(0, 0, 600, 300, Qt::blue, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_paintCounter.paints > paints; }));
}

} // namespace
