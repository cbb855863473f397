// The life of a form: Form_Load once, Form_Unload on every close until one is not cancelled; a fixed-size
// window without minimize and maximize buttons; tab order from the legacy TabIndex numbers.
#include "runtime/Form.h"

#include "TestSupport.h"
#include "runtime/TextBox.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace tervala::rt;

namespace {

class CountingForm : public Form {
public:
    CountingForm()
        : Form("Form1")
    {
    }

    int loads = 0;
    int unloads = 0;
    int cancelUnload = 0; // what Form_Unload answers

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(int& cancel) override
    {
        ++unloads;
        cancel = cancelUnload;
    }
};

class FormTest : public ::testing::Test {
protected:
    CountingForm m_form;
};

TEST_F(FormTest, LoadRunsFormLoadOnce)
{
    m_form.load();
    m_form.load();
    EXPECT_EQ(m_form.loads, 1);
}

TEST_F(FormTest, CancelledCloseKeepsTheWindowAndAsksAgainNextTime)
{
    m_form.load();
    m_form.show();
    m_form.cancelUnload = 1;
    EXPECT_FALSE(m_form.close());
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_FALSE(m_form.isUnloaded());

    m_form.cancelUnload = 0;
    EXPECT_TRUE(m_form.close());
    EXPECT_FALSE(m_form.isVisible());
    EXPECT_TRUE(m_form.isUnloaded());
    EXPECT_EQ(m_form.unloads, 2);

    m_form.show();
    m_form.close();
    EXPECT_EQ(m_form.unloads, 2);
}

TEST_F(FormTest, FixedClientSizeWithoutMinimizeOrMaximize)
{
    m_form.setClientSizeTwips(9000, 6045);
    EXPECT_EQ(m_form.minimumSize(), QSize(600, 403));
    EXPECT_EQ(m_form.maximumSize(), QSize(600, 403));

    const Qt::WindowFlags flags = m_form.windowFlags();
    EXPECT_TRUE(m_form.isWindow());
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(FormTest, TabFollowsTabIndexAcrossContainers)
{
    QWidget frame(&m_form);
    TextBox Text1(&m_form, "Text1");
    TextBox Text2(&frame, "Text2");
    TextBox Text3(&m_form, "Text3");
    m_form.setTabOrderByIndex({ { 2, &Text1 }, { 0, &Text3 }, { 1, &Text2 } });
    m_form.show();
    m_form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_form));
    Text3.setFocus();

    for (QWidget* expected :
         { static_cast<QWidget*>(&Text2), static_cast<QWidget*>(&Text1), static_cast<QWidget*>(&Text3) }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    Text2.setEnabled(false);
    QTest::keyClick(&Text3, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Text1);
}

} // namespace
