// The builder window itself: its layout, a stage that cannot open the staging database, a stage clicked during
// another stage's yield, and the whole chain from list pages to namabayi in one window.
#include "builder/Form2.h"

#include "BuilderFixture.h"
#include "TestSupport.h"
#include "namedb/ConnectionString.h"
#include "runtime/CommandButton.h"

#include <QDir>
#include <QFile>
#include <QMetaObject>

#include <gtest/gtest.h>

using namespace tervala;

namespace {

using Form2Window = BuilderFixture;

TEST_F(Form2Window, Layout)
{
    EXPECT_EQ(m_form->caption(), "Form2");
    EXPECT_EQ(m_form->objectName(), "Form2");
    EXPECT_EQ(m_form->size(), QSize(312, 213));
    const struct {
        rt::CommandButton* button;
        QString name;
        QRect pixels;
    } buttons[] = {
        { m_form->Command1, "Command1", { 14, 45, 153, 73 } },
        { m_form->Command2, "Command2", { 47, 139, 182, 69 } },
        { m_form->Command3, "Command3", { 224, 21, 60, 87 } },
        { m_form->Command4, "Command4", { 260, 126, 38, 79 } },
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name.toStdString());
        EXPECT_EQ(b.button->objectName(), b.name);
        EXPECT_EQ(b.button->text(), b.name);
        EXPECT_EQ(b.button->geometry(), b.pixels);
    }
    EXPECT_EQ(m_form->Command1->nextInFocusChain(), m_form->Command2);
    EXPECT_EQ(m_form->Command2->nextInFocusChain(), m_form->Command3);
    EXPECT_EQ(m_form->Command3->nextInFocusChain(), m_form->Command4);
}

TEST_F(Form2Window, MissingDatabaseEndsTheStageBeforeAnyChange)
{
    m_check.close();
    ASSERT_TRUE(QFile::remove(QDir(m_programFolder.path()).filePath(StagingDatabaseFile)));
    click(m_form->Command2);
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(m_form->caption(), "Form2");
}

TEST_F(Form2Window, StageClickedDuringAYieldRunsNested)
{
    insertRows("bayi20000", { { "Abel", "", "Hebrew", "M" }, { "Cara", "", "Irish", "F" }, { "Dana", "", "x", "F" } });
    // Delivered in the refinement's first yield: the merge then sees only the first refined row.
    QMetaObject::invokeMethod(
        m_form->Command4,
        [this] { click(m_form->Command4); },
        Qt::QueuedConnection);
    click(m_form->Command3);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin2").size(), 3);
    EXPECT_EQ(rows("namabayi"), QList<QStringList>({ { "Abel", "", "Hebrew", "M" } }));
    EXPECT_EQ(m_form->caption(), "Dana");
}

TEST_F(Form2Window, ChainFromListPagesToNames)
{
    writeFile("drive_c/data/Tervala/db20000/F_Greek.htm",
              "<li><font size=\"2\" color=\"#9393FF\"><a name=\"ZOE\">Zoe</a></font> meaning &quot;life&quot;\r\n"
              "<li><font size=\"2\" color=\"#9393FF\"><b>IRIS</b></font> meaning &quot;<i>rainbow</i>&quot;\r\n"
              "<li><font size=\"2\" color=\"#9393FF\">zoe</font> meaning &quot;again&quot;\r\n");
    click(m_form->Command2);
    click(m_form->Command3);
    click(m_form->Command4);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("namabayi"),
              QList<QStringList>({ { "Zoe", "life", "Greek.htm", "F" }, { "Iris", "rainbow", "Greek.htm", "F" } }));
}

} // namespace
