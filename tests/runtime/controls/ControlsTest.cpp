// What the forms rely on where it is more than Qt's own: option buttons' events, twips rounded value by value,
// nested doEvents, and a caption cut to a sane length.
#include "TestSupport.h"
#include "runtime/controls/DoEvents.h"
#include "runtime/controls/Form.h"
#include "runtime/controls/OptionButton.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/controls/Twips.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <functional>

using namespace tervala::rt;

// A handler reading the group sees the new button alone selected, also beside a container whose group has a
// selected button (Qt's clearing finds that one first and gives up); selecting the selected one raises nothing.
TEST(Controls, OptionButtonClicksOnceWhenSelectedWithTheOldOneCleared)
{
    QWidget form;
    OptionButton other(new QWidget(&form), "Option2", 0);
    new OptionButton(other.parentWidget(), "Option2", 1);
    other.setValue(true);
    OptionButton* Option1[3] {};
    const auto values
        = [&] { return QString("%1%2%3").arg(Option1[0]->value()).arg(Option1[1]->value()).arg(Option1[2]->value()); };
    QStringList clicks; // "<index>:<the three values as its handler sees them>"
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new OptionButton(&form, "Option1", i);
        setTwipsGeometry(Option1[i], 1642, 938 + 375 * i, 1507, 263);
        QObject::connect(Option1[i], &OptionButton::Click, [&, i] { clicks << QString::number(i) + ':' + values(); });
    }
    EXPECT_EQ(Option1[1]->geometry(), QRect(109, 88, 100, 18));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Option1[0]->setValue(true);
    Option1[1]->setValue(true);
    Option1[1]->setValue(true);
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(Option1[2], Qt::LeftButton, {}, QPoint(6, 9));
    Option1[2]->setValue(false);
    EXPECT_EQ(clicks.join(' '), QString("0:100 1:010 2:001"));
    EXPECT_EQ(values() + QString::number(other.value()), QString("0001"));
}

// doEvents delivers posted calls, also when called again from a handler it is running.
TEST(Controls, DoEventsNestedInsideAPostedCall)
{
    QStringList ran;
    const auto post
        = [](const std::function<void()>& call) { QMetaObject::invokeMethod(qApp, call, Qt::QueuedConnection); };
    post([&] {
        post([&] { ran << "inner"; });
        doEvents();
        ran << "outer";
    });
    doEvents();
    EXPECT_EQ(ran, QStringList({ "inner", "outer" }));
}

// A window system refuses a title of megabytes; the cut never splits a character.
TEST(FormTest, CaptionIsShownCutToASaneLengthAtACharacter)
{
    const QString a(Form::MaxCaptionLength - 1, 'a');
    Form form("Form2");
    form.setCaption(QString(20'000'000, 'a'));
    EXPECT_EQ(form.caption(), a + 'a');
    form.setCaption(a + QString::fromUtf16(u"\U0001F600") + "b");
    EXPECT_EQ(form.caption(), a);
}

// A caption set for every row reaches the title bar at most every few milliseconds, and the last one always.
TEST(FormTest, TitleBarCatchesUpWithTheLastCaption)
{
    Form form("Form2");
    form.setCaption("first");
    form.setCaption("second");
    form.setCaption("third");
    EXPECT_EQ(form.caption(), QString("third"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.windowTitle() == QString("third"); }));
}

// The progress bar as a load draws it, cleared and redrawn before every row: whether it grows or shrinks, the
// window shows the bar's current end, and the frame stays.
TEST(Controls, ProgressBarShowsItsCurrentEnd)
{
    QWidget form;
    form.resize(200, 60);
    PictureBox box(&form, "Picture4");
    box.setBackColor(Qt::white);
    setTwipsGeometry(&box, 0, 0, 1515, 315); // 101 x 21 pixels, 99 x 19 inside the frame
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto shownColumns = [&](int width) {
        box.cls();
        box.fillBox(0, 0, width * 15, 285, Qt::blue);
        QTest::qWait(20);
        const QImage picture
            = form.screen()->grabWindow(form.winId(), box.x(), box.y(), box.width(), box.height()).toImage();
        QString shown;
        for (const int x : { 1, 30, 60, 98 })
            shown += picture.pixelColor(x, 10) == QColor(Qt::blue) ? 'B'
                : picture.pixelColor(x, 10) == Qt::white           ? '-'
                                                                   : '?';
        // The frame's top and left lines are drawn in neither the box's colour nor the form's.
        const auto isFrame = [&](int x, int y) {
            const QColor colour = picture.pixelColor(x, y);
            return colour != Qt::white && colour != form.palette().color(QPalette::Window);
        };
        const bool framed = isFrame(0, 10) && isFrame(50, 0);
        return shown + (framed ? "" : " no frame");
    };
    EXPECT_EQ(shownColumns(10), QString("B---"));
    EXPECT_EQ(shownColumns(70), QString("BBB-"));
    EXPECT_EQ(shownColumns(40), QString("BB--"));
    EXPECT_EQ(shownColumns(98), QString("BBBB"));
    EXPECT_EQ(shownColumns(5), QString("B---"));
}
