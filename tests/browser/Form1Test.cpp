// The browser window driven through its real widgets on a small name database: what each control sends to the
// database (read back from the SQL trace) and what the grids then show.
#include "browser/Form1.h"

#include "TestDatabase.h"
#include "TestSupport.h"
#include "runtime/SqlTrace.h"
#include "runtime/UnhandledError.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tervala;

// Cells of one column of the data rows, joined by "|".
static QString column(const rt::FlexGrid* grid, int col)
{
    QStringList cells;
    for (int row = 1; row < grid->rows(); ++row)
        cells << grid->textMatrix(row, col);
    return cells.join('|');
}

// One character per data row: 'X' when all four cells have the shading colour, '.' when all are white, '?' else.
static QString shading(const rt::FlexGrid* grid, const QColor& shade)
{
    QString rows;
    for (int row = 1; row < grid->rows(); ++row) {
        int shaded = 0;
        int white = 0;
        for (int col = 0; col < 4; ++col) {
            shaded += grid->cellBackColor(row, col) == shade;
            white += grid->cellBackColor(row, col) == QColor(Qt::white);
        }
        rows += shaded == 4 ? 'X' : white == 4 ? '.' : '?';
    }
    return rows;
}

static QPoint cellCentre(rt::FlexGrid* grid, int row, int col)
{
    return grid->visualRect(grid->model()->index(row - 1, col)).center();
}

// A click on the box of a check box or option button, as a user makes it.
static void clickBox(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

static void choose(rt::ComboBox* list, const QString& entry)
{
    list->setCurrentIndex(list->findText(entry));
}

// The count and row statements of both lists, as the trace shows them.
static QStringList rebuild(const QString& tail, const QString& order)
{
    QStringList lines;
    for (const char* gender : { "M", "F" }) {
        const QString from = QString("FROM namabayi where jk='%1' ").arg(gender) + tail;
        lines << "ter.va\tSELECT count(nama) " + from << "ter.va\tSELECT * " + from + order;
    }
    return lines;
}

const QString LetterA = " AND ucase(left(nama,1))='A' ";
const QString ByName = " order by nama";

class Form1Test : public ::testing::Test {
protected:
    Form1Test()
    {
        rt::setUnhandledErrorHandler(
            [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
        rt::setSqlTracePath(m_traceDir.filePath("sql.log"));
    }
    ~Form1Test() override
    {
        rt::setSqlTracePath({});
        rt::setUnhandledErrorHandler({});
    }

    // Loads and shows the window on the program folder, as start-up does.
    Form1& open(const QString& programFolder)
    {
        m_form = std::make_unique<Form1>(programFolder);
        rt::runGuarded([&] { m_form->load(); });
        m_form->show();
        return *m_form;
    }

    // Opens the window on the sample names: every initial, meaning and origin order differs from the name order.
    Form1& start()
    {
        m_db.insert("namabayi",
                    "nama,arti,asal,jk",
                    { { "Aaron", "exalted one, a mountain of strength and of light", "Hebrew", "M" },
                      { "abel", "breath", "Assyrian", "M" },
                      { "Adam", "man of the earth", "Phoenician", "M" },
                      { "Amos", "carried", "Aramaic", "M" },
                      { "Axel", "father of peace", "Norse", "M" },
                      { "Ben", "son", "Hebrew", "M" },
                      { "Bastian", "revered", "Greek", "M" },
                      { "O'Neil", "champion", "Irish", "M" },
                      { "Alice", "noble kind", "Germanic", "F" },
                      { "Amira", "princess", "Arabic", "F" },
                      { "Anna", "grace", "Hebrew", "F" },
                      { "Ava", "bird", "Latin", "F" },
                      { "Bella", "beautiful", "Italian", "F" },
                      { "Zoë", "life", "Greek", "F" } });
        m_db.execute("update namabayi set fav = 1 where nama in ('Adam', 'Anna')");
        return open(m_db.folder());
    }

    // The statements sent since the last call.
    QStringList takeTrace()
    {
        QFile trace(rt::sqlTracePath());
        if (!trace.open(QIODevice::ReadOnly))
            return {};
        const QStringList lines = QString::fromUtf8(trace.readAll()).split('\n', Qt::SkipEmptyParts);
        trace.remove();
        return lines;
    }

    QTemporaryDir m_traceDir;
    TestDatabase m_db { "ter.va", "ter.va.sql" };
    std::unique_ptr<Form1> m_form;
    QStringList m_errors;
};

TEST_F(Form1Test, StartUpListsInitialAOfBothGendersShadedInPairs)
{
    Form1& form = start();
    EXPECT_EQ(m_errors, QStringList());
    EXPECT_EQ(form.Combo1->count(), 11);
    EXPECT_EQ(form.Combo1->text(), QString());

    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam|Amos|Axel"));
    EXPECT_EQ(column(form.flex1, 3), QString("||V||"));
    EXPECT_EQ(column(form.flex2, 0), QString("Alice|Amira|Anna|Ava"));
    EXPECT_EQ(column(form.flex2, 3), QString("||V|"));
    EXPECT_EQ(shading(form.flex1, QColor(255, 220, 220)), QString("X.X.."));
    EXPECT_EQ(shading(form.flex2, QColor(220, 255, 220)), QString("X.X."));
    EXPECT_EQ(form.flex1->rowHeight(1), 450);
    EXPECT_EQ(form.flex1->rowHeight(2), rt::FlexGrid::DefaultRowHeightTwips);
    EXPECT_FALSE(form.Picture4->isVisible());
    EXPECT_FALSE(form.Picture5->isVisible());
}

// One row per control of the filter, sort and letter bands: set up the other controls, then act on the one.
TEST_F(Form1Test, EachControlSendsItsStatementsAndShowsTheirRows)
{
    using Action = std::function<void(Form1&)>;
    const Action nothing = [](Form1&) {};
    const struct {
        const char* label;
        Action prepare;
        Action act;
        QStringList statements;
        QString boys;
        QString girls;
    } cases[] = {
        { "Check1 favourites",
          nothing,
          [](Form1& f) { clickBox(f.Check1); },
          rebuild(LetterA + " And fav=true ", ByName),
          "Adam",
          "Anna" },
        { "Check2 meaning in Text1",
          [](Form1& f) { f.Text1->setText("ar"); },
          [](Form1& f) { clickBox(f.Check2); },
          rebuild(LetterA + " and ucase(arti) like '%AR%' ", ByName),
          "Adam|Amos",
          "" },
        { "Check3 name in Text2",
          [](Form1& f) { f.Text2->setText("m"); },
          [](Form1& f) { clickBox(f.Check3); },
          rebuild(LetterA + " and ucase(nama) like '%M%' ", ByName),
          "Adam|Amos",
          "Amira" },
        { "Check4 origin in Combo1",
          [](Form1& f) { choose(f.Combo1, "Hebrew"); },
          [](Form1& f) { clickBox(f.Check4); },
          rebuild(LetterA + " and asal like '%Hebrew%' ", ByName),
          "Aaron",
          "Anna" },
        { "Text1 typed",
          [](Form1& f) { f.Check2->setValue(1); },
          [](Form1& f) { QTest::keyClicks(f.Text1, "k"); },
          rebuild(LetterA + " and ucase(arti) like '%K%' ", ByName),
          "",
          "Alice" },
        { "Text2 typed",
          [](Form1& f) { f.Check3->setValue(1); },
          [](Form1& f) { QTest::keyClicks(f.Text2, "x"); },
          rebuild(LetterA + " and ucase(nama) like '%X%' ", ByName),
          "Axel",
          "" },
        { "Combo1 chosen",
          [](Form1& f) { f.Check4->setValue(1); },
          [](Form1& f) { choose(f.Combo1, "Latin"); },
          rebuild(LetterA + " and asal like '%Latin%' ", ByName),
          "",
          "Ava" },
        { "Option2 Meaning",
          nothing,
          [](Form1& f) { clickBox(f.Option2[1]); },
          rebuild(LetterA, " order by arti"),
          "abel|Amos|Aaron|Axel|Adam",
          "Ava|Anna|Alice|Amira" },
        { "Option2 Origin",
          nothing,
          [](Form1& f) { clickBox(f.Option2[2]); },
          rebuild(LetterA, " order by asal"),
          "Amos|abel|Aaron|Axel|Adam",
          "Amira|Alice|Anna|Ava" },
        { "Option2 Name",
          [](Form1& f) { clickBox(f.Option2[2]); },
          [](Form1& f) { clickBox(f.Option2[0]); },
          rebuild(LetterA, ByName),
          "Aaron|abel|Adam|Amos|Axel",
          "Alice|Amira|Anna|Ava" },
        { "Option1 B",
          nothing,
          [](Form1& f) { clickBox(f.Option1[1]); },
          rebuild(" AND ucase(left(nama,1))='B' ", ByName),
          "Bastian|Ben",
          "Bella" },
        { "Option1 ALL",
          nothing,
          [](Form1& f) { clickBox(f.Option1[Form1::AllLetters]); },
          rebuild("", ByName),
          "Aaron|abel|Adam|Amos|Axel|Bastian|Ben|O'Neil",
          "Alice|Amira|Anna|Ava|Bella|Zoë" },
        { "Option3 Manual only switches the mode",
          nothing,
          [](Form1& f) { clickBox(f.Option3[1]); },
          {},
          "Aaron|abel|Adam|Amos|Axel",
          "Alice|Amira|Anna|Ava" },
        { "Check1 in manual mode waits",
          [](Form1& f) { clickBox(f.Option3[1]); },
          [](Form1& f) { clickBox(f.Check1); },
          {},
          "Aaron|abel|Adam|Amos|Axel",
          "Alice|Amira|Anna|Ava" },
        { "Command1 refreshes in manual mode",
          [](Form1& f) {
              clickBox(f.Option3[1]);
              clickBox(f.Check1);
          },
          [](Form1& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); },
          rebuild(LetterA + " And fav=true ", ByName),
          "Adam",
          "Anna" },
        { "Option3 Automatic leaves the grids stale",
          [](Form1& f) {
              clickBox(f.Option3[1]);
              clickBox(f.Check1);
          },
          [](Form1& f) { clickBox(f.Option3[0]); },
          {},
          "Aaron|abel|Adam|Amos|Axel",
          "Alice|Amira|Anna|Ava" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Form1& form = start();
        c.prepare(form);
        takeTrace();
        c.act(form);
        EXPECT_EQ(takeTrace(), c.statements);
        EXPECT_EQ(column(form.flex1, 0), c.boys);
        EXPECT_EQ(column(form.flex2, 0), c.girls);
        EXPECT_EQ(form.Command1->isEnabled(), form.Option3[1]->value());
        EXPECT_EQ(m_errors, QStringList());
        m_db.execute("delete from namabayi");
    }
}

TEST_F(Form1Test, EveryLetterButtonSendsItsInitial)
{
    Form1& form = start();
    clickBox(form.Option1[Form1::AllLetters]);
    for (int index = 0; index < Form1::LetterCount; ++index) {
        const QString letter(QChar(u'A' + index));
        SCOPED_TRACE(letter.toStdString());
        EXPECT_EQ(form.Label1[index]->text(), letter);
        takeTrace();
        clickBox(form.Option1[index]);
        EXPECT_EQ(takeTrace().value(0),
                  "ter.va\tSELECT count(nama) FROM namabayi where jk='M'  AND ucase(left(nama,1))='" + letter + "' ");
    }
}

TEST_F(Form1Test, DoubleClickInBoysAndClickInGirlsToggleTheStoredFavourite)
{
    Form1& form = start();
    clickBox(form.Option1[14]);
    ASSERT_EQ(column(form.flex1, 0), QString("O'Neil"));
    const QString stored = "select fav from namabayi where nama in ('O''Neil', 'Anna') order by nama";
    takeTrace();
    QTest::mouseClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString());
    EXPECT_EQ(takeTrace(), QStringList());
    QTest::mouseDClick(form.flex1->viewport(), Qt::LeftButton, {}, cellCentre(form.flex1, 1, 0));
    EXPECT_EQ(form.flex1->textMatrix(1, 3), QString("V"));
    EXPECT_EQ(takeTrace(), QStringList { "ter.va\tupdate namabayi set fav=not fav where nama='O''Neil'" });
    EXPECT_EQ(m_db.rows(stored), QStringList({ "1", "1" }));

    clickBox(form.Option1[0]);
    takeTrace();
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, cellCentre(form.flex2, 3, 1));
    EXPECT_EQ(form.flex2->textMatrix(3, 3), QString());
    EXPECT_EQ(takeTrace(), QStringList { "ter.va\tupdate namabayi set fav=not fav where nama='Anna'" });
    EXPECT_EQ(m_db.rows(stored), QStringList({ "0", "1" }));
}

TEST_F(Form1Test, NewerRequestDuringALoadLeavesOnlyItsRows)
{
    Form1& form = start();
    // The click on "B" waits in the queue and runs inside the first yield of the "ALL" rebuild.
    QTimer::singleShot(0, &form, [&] { form.Option1[1]->setValue(true); });
    form.Option1[Form1::AllLetters]->setValue(true);
    EXPECT_EQ(column(form.flex1, 0), QString("Bastian|Ben"));
    EXPECT_EQ(column(form.flex2, 0), QString("Bella"));
    EXPECT_FALSE(form.Picture4->isVisible());
    EXPECT_FALSE(form.Picture5->isVisible());
}

TEST_F(Form1Test, TypingDuringALoadLeavesTheRowsOfTheFinalText)
{
    Form1& form = start();
    form.Check3->setValue(1);
    QTimer::singleShot(0, &form, [&] { QTest::keyClicks(form.Text2, "bel"); });
    form.Option1[Form1::AllLetters]->setValue(true);
    EXPECT_EQ(column(form.flex1, 0), QString("abel"));
    EXPECT_EQ(column(form.flex2, 0), QString("Bella"));
}

TEST_F(Form1Test, ClosingDuringALoadEndsTheRebuild)
{
    Form1& form = start();
    QTimer::singleShot(0, &form, [&] { form.close(); });
    form.Option1[Form1::AllLetters]->setValue(true);
    EXPECT_TRUE(form.isUnloaded());
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(Form1Test, EmptyTableLeavesHeaderRowsOnly)
{
    Form1& form = open(m_db.folder());
    EXPECT_EQ(form.flex1->rows(), 1);
    EXPECT_EQ(form.flex2->rows(), 1);
    QTest::mouseClick(form.flex2->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(m_errors, QStringList());
}

// A file without the origin index gains it at start-up and keeps its favourites. The index is binary, so plain
// SQLite, as the sqlite3 tool runs, finds the file sound with non-ASCII names in it, keeps the index up to date
// when it inserts a row, and the program then finds that row.
TEST_F(Form1Test, NameFileIndexStaysSoundUnderPlainSqliteAndTheProgram)
{
    start();
    m_form.reset();
    const auto plain = [&](const QString& sql) { return TestDatabase::plainSqlite(m_db.path(), sql); };
    EXPECT_EQ(plain("select name from sqlite_master where type = 'index'"), QStringList { "tervala_origins" });
    EXPECT_EQ(plain("select nama from namabayi where fav order by nama"), QStringList({ "Adam", "Anna" }));
    EXPECT_EQ(plain("pragma integrity_check"), QStringList { "ok" });
    EXPECT_EQ(plain("insert into namabayi(nama,arti,asal,jk) values('Arnór','eagle','Íslenska','M')"), QStringList());
    EXPECT_EQ(plain("pragma integrity_check"), QStringList { "ok" });

    Form1& form = open(m_db.folder());
    QStringList origins;
    for (int i = 0; i < form.Combo1->count(); ++i)
        origins << form.Combo1->itemText(i);
    EXPECT_EQ(origins.join('|'),
              QString("Arabic|Aramaic|Assyrian|Germanic|Greek|Hebrew|Irish|Íslenska|Italian|Latin|Norse|Phoenician"));
    EXPECT_EQ(column(form.flex1, 0), QString("Aaron|abel|Adam|Amos|Arnór|Axel"));
    EXPECT_EQ(column(form.flex1, 3), QString("||V|||"));
}

TEST_F(Form1Test, OriginListLeavesOutRowsWithoutOrigin)
{
    m_db.insert("namabayi",
                "nama,arti,asal,jk",
                { { "Cyrus", "sun", QString(), "M" }, { "Dana", "judge", "Hebrew", "F" } });
    Form1& form = open(m_db.folder());
    QStringList origins;
    for (int i = 0; i < form.Combo1->count(); ++i)
        origins << form.Combo1->itemText(i);
    EXPECT_EQ(origins, QStringList { "Hebrew" });
}

TEST_F(Form1Test, MissingDatabaseIsAnUnhandledError)
{
    QTemporaryDir emptyFolder;
    Form1& form = open(emptyFolder.path());
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_EQ(form.Combo1->count(), 0);
}

TEST(Form1Layout, ControlsSitInTheirContainers)
{
    QTemporaryDir folder;
    Form1 form(folder.path());
    EXPECT_EQ(form.minimumSize(), QSize(784, 568));
    EXPECT_EQ(form.maximumSize(), QSize(784, 568));
    EXPECT_TRUE(form.caption().startsWith("Tervala 2.0  :: Free baby names  software" + QString(95, ' ')));
    const struct {
        QWidget* control;
        QWidget* container;
        QRect pixels;
    } places[] = {
        { form.Combo1, &form, { 568, 6, 145, 21 } },
        { form.Option1[9], form.Picture1, { 218, 17, 13, 18 } },
        { form.Picture5, form.Picture3, { 94, 2, 289, 17 } },
        { form.flex1, form.Picture2, { 6, 24, 373, 397 } },
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.control->objectName().toStdString());
        EXPECT_EQ(place.control->parentWidget(), place.container);
        EXPECT_EQ(place.control->geometry(), place.pixels);
    }
    // The icon is read from the packaged icon files: one 16x16 and one 32x32 image of 16 colours.
    const QIcon icon = form.windowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize> { { 16, 16 }, { 32, 32 } }));
    for (const QSize& size : icon.availableSizes()) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16);
        EXPECT_GT(colours.size(), 2);
    }
}

TEST(Form1Layout, TabFollowsTheTabIndexesAcrossContainers)
{
    QTemporaryDir folder;
    Form1 form(folder.path());
    form.Option1[9]->setValue(true);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Option1[9]->setFocus();
    // One stop per option group, at its selected button; the disabled "Refresh" is passed over.
    const QWidget* expected[] = {
        form.Check1, form.Check2, form.Text1, form.flex1,      form.Check3,     form.Text2,
        form.Check4, form.Combo1, form.flex2, form.Option2[0], form.Option3[0], form.Option1[9],
    };
    for (const QWidget* control : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control);
    }
}
