// The builder window as a whole: the caption each stage leaves, a stage clicked during another stage's yield, and
// the chain from list pages to namabayi through the four buttons.
#include "builder/Form2.h"

#include "BuilderFixture.h"

#include <QAccessible>
#include <QMetaObject>

#include <functional>

using Form2Window = BuilderFixture;

// The page imports end with "selesai", with pages or without; the refinement and the merge with the name of the
// last row they wrote, or the caption they found when they wrote none.
TEST_F(Form2Window, EveryStageEndsWithItsCaption)
{
    const struct {
        const char* label;
        std::function<void()> prepare;
        tervala::rt::CommandButton* tervala::Form2::*button;
        QString caption;
    } cases[] = {
        { "origin pages",
          [this] {
              writeFile("drive_c/My Web Sites/babyorigin/names.example/baby-names/meaning/zoe/index.html",
                        "<h1 class=\"name\">Zoe</h1>");
          },
          &tervala::Form2::Command1,
          "selesai" },
        { "no origin page", [] {}, &tervala::Form2::Command1, "selesai" },
        { "list pages",
          [this] {
              writeFile("drive_c/data/Tervala/db20000/F_Greek.htm",
                        "<li><font size=\"2\" color=\"#9393FF\">Zoe</font> meaning &quot;life&quot;");
          },
          &tervala::Form2::Command2,
          "selesai" },
        { "no list page", [] {}, &tervala::Form2::Command2, "selesai" },
        { "refinement",
          [this] {
              insertRows("bayi20000", { { "<b>Abel</b>", "", "x", "M" }, { "<b>Zoë</b>", "", "y", "F" } });
          },
          &tervala::Form2::Command3,
          "Zoë" },
        { "refinement of nothing", [] {}, &tervala::Form2::Command3, "Form2" },
        { "merge",
          [this] {
              insertRows("namabayi", { { "Abel", "", "x", "M" } });
              insertRows("bayiorigin2",
                         { { "ZOË", "", "y", "F" }, { "ABEL", "", "x", "M" }, { "abel", "", "x", "F" } });
          },
          &tervala::Form2::Command4,
          "Zoë" },
        { "merge of duplicates only",
          [this] {
              insertRows("namabayi", { { "Abel", "", "x", "M" } });
              insertRows("bayiorigin2", { { "abel", "", "x", "M" } });
          },
          &tervala::Form2::Command4,
          "Form2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        m_form = std::make_unique<tervala::Form2>(m_db.folder());
        m_form->show();
        c.prepare();
        click((*m_form).*c.button);
        EXPECT_EQ(m_errors, QStringList());
        EXPECT_EQ(m_form->caption(), c.caption);
        for (const char* table : { "bayiorigin", "bayi20000", "bayiorigin2", "namabayi" })
            m_db.execute(QString("delete from ") + table);
        QDir(QDir(m_db.folder()).filePath("drive_c")).removeRecursively();
    }
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

// A screen reader names each button by the stage it runs; the captions stay the designer's.
TEST_F(Form2Window, ButtonsAreNamedByTheirStage)
{
    const struct {
        tervala::rt::CommandButton* tervala::Form2::*button;
        const char* caption;
        const char* name;
    } buttons[] = {
        { &tervala::Form2::Command1, "Command1", "Import origin pages" },
        { &tervala::Form2::Command2, "Command2", "Import list pages" },
        { &tervala::Form2::Command3, "Command3", "Clean the imported names" },
        { &tervala::Form2::Command4, "Command4", "Merge into the name table" },
    };
    for (const auto& expected : buttons) {
        tervala::rt::CommandButton* button = (*m_form).*expected.button;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString(expected.name));
        EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty());
        EXPECT_EQ(button->text(), QString(expected.caption));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m_form.get())->text(QAccessible::Name),
              QString("Name data builder"));
}

TEST_F(Form2Window, ClosingTheWindowEndsTheStageAtItsNextYield)
{
    insertRows("bayi20000", { { "N0", "", "x", "M" }, { "N1", "", "x", "M" }, { "N2", "", "x", "M" } });
    QMetaObject::invokeMethod(
        m_form.get(),
        [this] { m_form->close(); },
        Qt::QueuedConnection);
    click(m_form->Command3);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_FALSE(m_form->isVisible());
    // The close came in the first yield, after the first row was written.
    EXPECT_EQ(rows("bayiorigin2"), QStringList { "N0||X|M" });
}

TEST_F(Form2Window, LongNameIsStoredWholeAndShownCut)
{
    const QString name = QString(300000, 'a') + "b";
    insertRows("bayi20000", { { name, "", "x", "M" } });
    click(m_form->Command3);
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(rows("bayiorigin2"), QStringList { name + "||X|M" });
    EXPECT_EQ(m_form->caption(), name.left(tervala::rt::Form::MaxCaptionLength));
}
