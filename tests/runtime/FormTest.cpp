// The life of a form: Form_Load once, Form_Unload on every close until one is not cancelled. Size and tab order
// are tested on the browser window.
#include "runtime/Form.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala::rt;

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

TEST(FormTest, LoadsOnceAndUnloadsWhenNotCancelled)
{
    CountingForm form;
    form.load();
    form.load();
    EXPECT_EQ(form.loads, 1);
    form.show();
    form.cancelUnload = 1;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    form.cancelUnload = 0;
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.isUnloaded());
    EXPECT_EQ(form.unloads, 2);
}

TEST(FormTest, CaptionIsShownCutToASaneLength)
{
    const QString smile = QString::fromUtf16(u"\U0001F600");
    const struct {
        QString caption;
        QString shown;
    } cases[] = {
        { "Form2", "Form2" },
        { QString(Form::MaxCaptionLength, 'a'), QString(Form::MaxCaptionLength, 'a') },
        { QString(20'000'000, 'a'), QString(Form::MaxCaptionLength, 'a') },
        { QString(Form::MaxCaptionLength - 1, 'a') + smile + "b", QString(Form::MaxCaptionLength - 1, 'a') },
        { QString(Form::MaxCaptionLength - 2, 'a') + smile + "b", QString(Form::MaxCaptionLength - 2, 'a') + smile },
    };
    Form form("Form2");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption.size());
        form.setCaption(c.caption);
        EXPECT_EQ(form.caption(), c.shown);
    }
}
