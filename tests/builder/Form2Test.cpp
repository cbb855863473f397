// The builder window as a whole: a stage clicked during another stage's yield, and the chain from list pages to
// namabayi through the four buttons.
#include "builder/Form2.h"

#include "BuilderFixture.h"

#include <QMetaObject>

using Form2Window = BuilderFixture;

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
    EXPECT_EQ(rows("namabayi"), QStringList { "Abel||Hebrew|M" });
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
    EXPECT_EQ(rows("namabayi"), QStringList({ "Zoe|life|Greek.htm|F", "Iris|rainbow|Greek.htm|F" }));
}
