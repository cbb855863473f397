// The builder window around its stages: a stage clicked during another's yield, the window closed during a
// stage, and a page too large to read.
#include "BuilderFixture.h"
#include "builder/PageText.h"

#include <QTimer>

TEST(Form2Window, StageClickedDuringAYieldRunsNested)
{
    Builder builder;
    builder.fill("bayi20000",
                 { { "Abel", "", "Hebrew", "M" }, { "Cara", "", "Irish", "F" }, { "Dana", "", "x", "F" } });
    // Delivered in the refinement's first yield: the merge then sees only the first refined row.
    QTimer::singleShot(0, &builder.form, [&] { builder.click(4); });
    builder.click(3);
    EXPECT_EQ(builder.errors, QStringList());
    EXPECT_EQ(builder.rows("bayiorigin2").size(), 3);
    EXPECT_EQ(builder.rows("namabayi"), QStringList { "Abel||Hebrew|M" });
}

// Ctrl+W closes the builder window, Ctrl+Q every window; during a stage, either ends it at its next yield.
TEST(Form2Window, CtrlWAndCtrlQCloseTheWindowAndEndAStage)
{
    for (const Qt::Key key : { Qt::Key_W, Qt::Key_Q }) {
        Builder builder;
        builder.fill("bayi20000", { { "N0", "", "x", "M" }, { "N1", "", "x", "M" }, { "N2", "", "x", "M" } });
        builder.form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&builder.form));
        QTimer::singleShot(0, &builder.form, [&] { QTest::keyClick(builder.form.Command1, key, Qt::ControlModifier); });
        builder.click(3);
        EXPECT_EQ(builder.errors, QStringList());
        EXPECT_TRUE(builder.form.isUnloaded()) << key;
        // The close came in the first yield, after the first row was written.
        EXPECT_EQ(builder.rows("bayiorigin2"), QStringList { "N0||X|M" });
    }
}

TEST(Form2Window, PageTooLargeIsAClearError)
{
    Builder builder;
    builder.put("drive_c/data/Tervala/db20000/M_Large_1.htm", "<li>");
    std::filesystem::resize_file(builder.host("drive_c/data/Tervala/db20000/M_Large_1.htm"), tervala::MaxPageBytes + 1);
    builder.click(2);
    ASSERT_EQ(builder.errors.size(), 1);
    EXPECT_TRUE(builder.errors.at(0).startsWith("75: Cannot read file: larger than 67108864 bytes: "));
    EXPECT_TRUE(builder.errors.at(0).endsWith("/M_Large_1.htm")) << builder.errors.at(0).toStdString();
}
