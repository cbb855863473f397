// The browser window as the designer left it, before its load handler runs.
#include "TestSupport.h"
#include "browser/Form1.h"
#include "runtime/Twips.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tervala;

namespace {

class Form1LayoutTest : public ::testing::Test {
protected:
    QTemporaryDir m_folder;
    Form1 m_form { m_folder.path() };
};

QRect twipsRect(int left, int top, int width, int height)
{
    return { rt::twipsToPixels(left), rt::twipsToPixels(top), rt::twipsToPixels(width), rt::twipsToPixels(height) };
}

} // namespace

TEST_F(Form1LayoutTest, WindowIsFixedWithItsCaptionAndIcon)
{
    EXPECT_EQ(m_form.size(), QSize(784, 568));
    EXPECT_EQ(m_form.minimumSize(), m_form.maximumSize());
    EXPECT_FALSE(m_form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m_form.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QString caption = m_form.caption();
    EXPECT_TRUE(caption.startsWith("Tervala 2.0  :: Free baby names  software" + QString(95, ' ')));
    EXPECT_FALSE(caption.at(41 + 95).isSpace());
    const QList<QSize> iconSizes = m_form.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
}

TEST_F(Form1LayoutTest, ControlsSitInTheirContainers)
{
    const struct {
        QWidget* control;
        QWidget* container;
        QRect twips;
    } places[] = {
        { m_form.Check3, &m_form, twipsRect(180, 90, 3615, 345) },
        { m_form.Combo1, &m_form, twipsRect(8520, 90, 2175, 315) },
        { m_form.Picture1, &m_form, twipsRect(1635, 930, 9675, 495) },
        { m_form.Option1[9], m_form.Picture1, twipsRect(3270, 255, 195, 270) },
        { m_form.Label1[26], m_form.Picture1, twipsRect(9300, 60, 465, 435) },
        { m_form.Option2[2], m_form.Picture6, twipsRect(2445, 90, 990, 225) },
        { m_form.Command1, &m_form, twipsRect(10260, 1575, 1365, 330) },
        { m_form.Picture5, m_form.Picture3, twipsRect(1410, 30, 4335, 255) },
        { m_form.flex1, m_form.Picture2, twipsRect(90, 360, 5595, 5955) },
        { m_form.Shape2[3], m_form.Picture3, twipsRect(30, 300, 5715, 6135) },
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.control->objectName().toStdString());
        EXPECT_EQ(place.control->parentWidget(), place.container);
        EXPECT_EQ(place.control->geometry(), place.twips);
    }
    EXPECT_EQ(m_form.Option1[26]->objectName(), QString("Option1(26)"));
    EXPECT_EQ(m_form.Label1[26]->text(), QString("ALL"));
    EXPECT_EQ(m_form.Label5[1]->text(), QString("Show name with initial :"));
    EXPECT_EQ(m_form.Label3->text(), QString("FEMALE"));
}

TEST_F(Form1LayoutTest, DesignerStateBeforeLoad)
{
    for (rt::OptionButton* letter : m_form.Option1)
        EXPECT_FALSE(letter->value());
    EXPECT_TRUE(m_form.Option2[0]->value());
    EXPECT_TRUE(m_form.Option3[0]->value());
    EXPECT_FALSE(m_form.Command1->isEnabled());
    EXPECT_EQ(m_form.Check1->value(), 0);
    EXPECT_EQ(m_form.Combo1->count(), 0);
    EXPECT_TRUE(m_form.Picture4->isHidden());
    EXPECT_TRUE(m_form.Picture5->isHidden());
    EXPECT_TRUE(m_form.Check1->font().bold());
    EXPECT_EQ(m_form.Label2->font().pointSizeF(), 9.75);

    for (rt::FlexGrid* grid : { m_form.flex1, m_form.flex2 }) {
        EXPECT_EQ(grid->rows(), 30);
        EXPECT_EQ(grid->cols(), 4);
        EXPECT_EQ(grid->textMatrix(0, 0).trimmed(), QString("Name"));
        EXPECT_EQ(grid->textMatrix(0, 3).trimmed(), QString("Fav"));
    }
}

TEST_F(Form1LayoutTest, TabFollowsTheTabIndexesAcrossContainers)
{
    m_form.Option1[9]->setValue(true);
    m_form.show();
    m_form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_form));
    m_form.Option1[9]->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), m_form.Option1[9]);
    // One stop per option group, at its selected button; the disabled "Refresh" is passed over.
    const QWidget* expected[] = {
        m_form.Check1, m_form.Check2, m_form.Text1, m_form.flex1,      m_form.Check3,     m_form.Text2,
        m_form.Check4, m_form.Combo1, m_form.flex2, m_form.Option2[0], m_form.Option3[0], m_form.Option1[9],
    };
    for (const QWidget* control : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), control->objectName());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), m_form.Option3[0]);
}
