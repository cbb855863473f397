// The browser window driven through its real widgets: what each control sends to the database and what the grids
// then show, requests that overtake a rebuild, and the name file as plain SQLite finds it afterwards.
#include "Form1Fixture.h"
#include "TervalaVersion.h"

#include <QTimer>

using namespace tervala;

namespace {

// Per data row its four cells: 'X' in the shading colour, '.' white, '?' else.
QString shading(const rt::FlexGrid* grid, const QColor& shade)
{
    QStringList rows;
    for (int row = 1; row < grid->rows(); ++row) {
        QString cells;
        for (int col = 0; col < 4; ++col)
            cells += grid->cellBackColor(row, col) == shade  ? 'X'
                : grid->cellBackColor(row, col) == Qt::white ? '.'
                                                             : '?';
        rows << cells;
    }
    return rows.join('|');
}

const QString A = " AND ucase(left(nama,1))='A' ";

// The count and row statements of both lists.
QStringList rebuild(const QString& tail, const QString& order = " order by nama")
{
    QStringList lines;
    for (const char* gender : { "M", "F" }) {
        const QString from = QString("FROM namabayi where jk='%1' ").arg(gender) + tail;
        lines << "ter.va\tSELECT count(nama) " + from << "ter.va\tSELECT * " + from + order;
    }
    return lines;
}

} // namespace

class Form1Test : public Form1Fixture {
protected:
    Form1Test() { m_db.execute("update namabayi set fav = 1 where nama in ('Adam', 'Anna')"); }
};

TEST_F(Form1Test, StartUpListsInitialAOfBothGendersShadedInPairs)
{
    Form1& form = start();
    EXPECT_EQ(lists(), QString("Aaron|abel|Adam|Ahti|Ariel/A'isha|Aino|Anna|Ariel"));
    EXPECT_EQ(lists(3), QString("||V||/||V|"));
    EXPECT_EQ(shading(form.flex1, QColor(255, 220, 220)), QString("XXXX|....|XXXX|....|...."));
    EXPECT_EQ(shading(form.flex2, QColor(220, 255, 220)), QString("XXXX|....|XXXX|...."));
    EXPECT_EQ(form.flex1->rowHeight(1), 450);
    EXPECT_EQ(form.flex1->rowHeight(2), rt::FlexGrid::DefaultRowHeightTwips);
    EXPECT_FALSE(form.Picture4->isVisible() || form.Picture5->isVisible());
}

// One row per control of the filter, sort and letter bands and the refresh mode: the steps that set up the other
// controls, then the one acted on.
TEST_F(Form1Test, EachControlSendsItsStatementsAndShowsTheirRows)
{
    const QString all = "Aaron|abel|Adam|Ahti|Ariel/A'isha|Aino|Anna|Ariel";
    const struct {
        const char* prepare;
        const char* act;
        QStringList statements;
        QString lists;
    } cases[] = {
        { "", "Check1", rebuild(A + " And fav=true "), "Adam/Anna" },
        { "Text1 on, Text2 h", "Check2", rebuild(A + " and ucase(arti) like '%ON%' "), "Aaron|Ariel/Aino|Ariel" },
        { "Text2 n, Text1 h", "Check3", rebuild(A + " and ucase(nama) like '%N%' "), "Aaron/Aino|Anna" },
        { "Combo1 Finnish", "Check4", rebuild(A + " and asal like '%Finnish%' "), "Ahti/Aino" },
        { "Check2", "Text1 y", rebuild(A + " and ucase(arti) like '%Y%' "), "Aaron/Aino" },
        { "Check3", "Text2 h", rebuild(A + " and ucase(nama) like '%H%' "), "Ahti/A'isha" },
        { "Check4", "Combo1 Aramaic", rebuild(A + " and asal like '%Aramaic%' "), "Ariel/Ariel" },
        { "", "Option2(1)", rebuild(A, " order by arti"), "abel|Ahti|Ariel|Adam|Aaron/A'isha|Anna|Ariel|Aino" },
        { "", "Option2(2)", rebuild(A, " order by asal"), "Ariel|abel|Ahti|Aaron|Adam/A'isha|Ariel|Aino|Anna" },
        { "Option2(2)", "Option2(0)", rebuild(A), all },
        { "", "Option1(1)", rebuild(" AND ucase(left(nama,1))='B' "), "Ben/Bella" },
        { "", "Option1(26)", rebuild(""), "Aaron|abel|Adam|Ahti|Ariel|Ben|Cyrus/A'isha|Aino|Anna|Ariel|Bella" },
        { "", "Option3(1)", {}, all },
        { "Option3(1)", "Check1", {}, all },
        { "Option3(1), Check1", "Command1", rebuild(A + " And fav=true "), "Adam/Anna" },
        { "Option3(1), Check1", "Option3(0)", {}, all },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.prepare) + " then " + c.act);
        Form1& form = start();
        perform(c.prepare);
        takeTrace();
        perform(c.act);
        EXPECT_EQ(takeTrace(), c.statements);
        EXPECT_EQ(lists(), c.lists);
        EXPECT_EQ(form.Command1->isEnabled(), form.Option3[1]->value());
    }
}

// A request that comes in during a rebuild runs in its first yield and leaves only its own rows; closing the
// window then ends the rebuild.
TEST_F(Form1Test, RequestDuringALoadOvertakesIt)
{
    const struct {
        const char* prepare;
        const char* during;
        QString lists;
    } cases[] = { { "", "Option1(1)", "Ben/Bella" }, { "Check3", "Text2 el", "abel|Ariel/Ariel|Bella" } };
    for (const auto& c : cases) {
        Form1& form = start();
        perform(c.prepare);
        QTimer::singleShot(0, &form, [&] { perform(c.during); });
        form.Option1[Form1::AllLetters]->setValue(true);
        EXPECT_EQ(lists(), c.lists);
        EXPECT_FALSE(form.Picture4->isVisible() || form.Picture5->isVisible());
    }
    Form1& form = start();
    QTimer::singleShot(0, &form, [&] { form.close(); });
    form.Option1[Form1::AllLetters]->setValue(true);
    EXPECT_TRUE(form.isUnloaded());
}

// The schema's origin index is binary: plain SQLite, as the sqlite3 tool runs it, keeps the file sound when it adds
// a row with a non-ASCII origin, and the program then lists that row and origin. Rows without origin offer none.
TEST_F(Form1Test, NameFileStaysSoundUnderPlainSqlite)
{
    start();
    m_form.reset();
    EXPECT_EQ(m_db.plain("select name from sqlite_master where type = 'index'"), QStringList { "tervala_origins" });
    EXPECT_EQ(m_db.plain("insert into namabayi(nama,arti,asal,jk) values('Arnór','eagle','Íslenska','M')"),
              QStringList());
    EXPECT_EQ(m_db.plain("pragma integrity_check"), QStringList { "ok" });
    Form1& form = start();
    QStringList origins;
    for (int i = 0; i < form.Combo1->count(); ++i)
        origins << form.Combo1->itemText(i);
    EXPECT_EQ(origins.join('|'), QString("Arabic|Aramaic|Assyrian|Finnish|Hebrew|Íslenska|Italian|Phoenician"));
    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam|Ahti|Ariel|Arnór"));
    EXPECT_EQ(column(form.flex1, 3), QString("||V|||"));
}

// F1 gives a short help, the row menu tells about the program, the window icon comes in every installed size,
// and Ctrl+Q, with the keyboard in any control, closes the window and so ends the program.
TEST_F(Form1Test, HelpAboutIconAndCtrlQ)
{
    Form1& form = start();
    QStringList told;
    rt::setDialogAnswers({ {}, {}, [&told](const QString& text, bool) { told << text.section('\n', 0, 0); } });
    QTest::keyClick(form.flex1, Qt::Key_F1);
    form.createGridMenu(form.flex2)->findChild<QAction*>("about")->trigger();
    EXPECT_EQ(told,
              QStringList({ "The boys' names are on the left, the girls' names on the right.",
                            QString("Tervala %1").arg(TervalaVersion) }));
    QStringList sizes;
    for (const QSize& size : form.windowIcon().availableSizes())
        sizes << QString::number(size.width());
    EXPECT_EQ(sizes.join(' '), QString("16 32 48 64 128 256"));

    QTest::keyClick(form.Text1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(form.isUnloaded());
}
