// Favourites that travel, through the row menu of the browser window: export to a CSV file, print to a PDF file,
// and import from a CSV file (also a malformed one and one naming unknown names). The test answers the dialogs.
#include "Form1Fixture.h"
#include "browser/FavouritesCsv.h"
#include "browser/FavouritesPrint.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>

using namespace tervala;

class Form1Transfer : public Form1Fixture {
protected:
    Form1Transfer() { answerDialogs(); }
};

TEST_F(Form1Transfer, ExportAndPrintTheStoredFavourites)
{
    start();
    EXPECT_EQ(runEntry("printFavourites", "none.pdf"), QStringList { "There are no favourites to print yet." });
    EXPECT_FALSE(QFile::exists(m_fileName));
    m_db.execute("update namabayi set fav=1 where nama in ('A''isha', 'Aaron')");
    // The suffix is added.
    const QString csv = m_traceDir.filePath("ours.csv");
    EXPECT_EQ(runEntry("exportFavourites", "ours"), QStringList { "2 favourites written to " + csv + "." });
    const std::vector<FavouriteRecord> names = readFavouritesCsv(readFile(csv));
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].row, (NameRow { "A'isha", "alive", "Arabic", Gender::Female }));
    EXPECT_EQ(names[1].row.arti, LongMeaning);

    EXPECT_EQ(runEntry("printFavourites", "favourites.pdf"), QStringList());
    const QByteArray pdf = readFile(m_fileName);
    EXPECT_EQ(pdf.left(5), "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
}

// An import flips each new name of its origin with one statement that Ctrl+Z takes back; a malformed file changes
// nothing.
TEST_F(Form1Transfer, ImportMarksTheListedNamesAndCountsTheUnknownOnes)
{
    m_db.execute("update namabayi set fav=1 where nama='Adam'");
    Form1& form = start();
    EXPECT_EQ(
        runEntry("importFavourites",
                 "in.csv",
                 "Name,Meaning,Origin,Gender\r\nAino,the only one,Finnish,F\r\nadam,,Phoenician,M\r\n"
                 "Nobody,,Nowhere,F\r\nA'isha,alive,Arabic,F\r\nAino,,Hebrew,F\r\n"),
        QStringList { "New favourites: 2\nAlready favourites: 1\nNot found: 2\nNobody (Nowhere), Aino (Hebrew)" });
    const QString update = "ter.va\tupdate namabayi set fav=not fav where nama='%1' and asal='%2' and jk='F'";
    const QString aisha = update.arg("A''isha", "Arabic");
    EXPECT_EQ(takeTrace().filter("update "), QStringList({ update.arg("Aino", "Finnish"), aisha }));
    EXPECT_EQ(favourites(), QStringList({ "A'isha F", "Adam M", "Aino F" }));
    EXPECT_EQ(column(form.flex2, 3), QString("V|V||"));
    form.flex2->setFocus();
    QTest::keyClick(form.flex2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList { aisha });
    EXPECT_EQ(column(form.flex2, 3), QString("|V||"));

    EXPECT_EQ(
        runEntry("importFavourites", "bad.csv", "Name,Origin\r\nAnna,Hebrew\r\nAriel,\"Aramaic\r\n"),
        QStringList { "warning: " + m_traceDir.filePath("bad.csv")
                      + " is not a favourites file: line 3: a quoted field is not closed.\nNothing was changed." });
    EXPECT_EQ(takeTrace(), QStringList());
    EXPECT_EQ(favourites(), QStringList({ "Adam M", "Aino F" }));
}

// An import marks its names in one transaction: a lock held longer than the connection waits, or a cancel
// during the progress a long file shows, leaves every name as it was and the program running; a file larger
// than the bound is not read at all.
TEST_F(Form1Transfer, AnImportMarksAllNamesOrNone)
{
    Form1& form = start();
    QByteArray many = "Name,Origin\r\nAino,Finnish\r\n";
    for (int i = 0; i < 600; ++i)
        many += "Nobody" + QByteArray::number(i) + ",Nowhere\r\n";
    QString progress;
    QTimer::singleShot(0, &form, [&] {
        auto* dialog = form.findChild<QProgressDialog*>("importProgress");
        ASSERT_NE(dialog, nullptr);
        progress = QString("%1 to %2").arg(dialog->minimum()).arg(dialog->maximum());
        dialog->cancel();
    });
    EXPECT_EQ(runEntry("importFavourites", "many.csv", many),
              QStringList { "The import was cancelled.\nNothing was changed." });
    EXPECT_EQ(progress, QString("0 to 601"));
    const QStringList trace = takeTrace();
    EXPECT_EQ(trace.first(), "ter.va\tbegin immediate");
    EXPECT_EQ(trace.last(), "ter.va\trollback");
    EXPECT_EQ(favourites(), QStringList());

    const QByteArray two = "Name,Origin\r\nAino,Finnish\r\nA'isha,Arabic\r\n";
    rt::Connection other;
    other.open(TestDatabase::connectionString(m_db.path()));
    other.execute("begin immediate");
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(runEntry("importFavourites", "two.csv", two),
              QStringList { "warning: Another program kept the name database locked: database is locked.\n"
                            "Nothing was changed." });
    // The connection waits ten seconds for a lock before it gives up.
    EXPECT_GE(waited.elapsed(), 9500);
    other.execute("rollback");
    EXPECT_EQ(favourites(), QStringList());
    EXPECT_EQ(column(form.flex2, 3), QString("|||"));

    EXPECT_EQ(runEntry("importFavourites", "two.csv", two),
              QStringList { "New favourites: 2\nAlready favourites: 0\nNot found: 0" });
    EXPECT_EQ(favourites(), QStringList({ "A'isha F", "Aino F" }));

    // Refused: a file past the bound, and a device whose size says nothing once it has been read that far.
    ASSERT_TRUE(QFile::link("/dev/zero", m_traceDir.filePath("zero.csv")));
    for (const QByteArray& bytes : { "Name,Origin\r\n" + QByteArray(8 * 1024 * 1024, 'x'), QByteArray() }) {
        const QString fileName = bytes.isEmpty() ? "zero.csv" : "huge.csv";
        EXPECT_EQ(runEntry("importFavourites", fileName, bytes),
                  QStringList { "warning: " + m_traceDir.filePath(fileName)
                                + " is larger than 8 MB, more than a favourites file holds.\nNothing was changed." });
    }
    EXPECT_EQ(favourites(), QStringList({ "A'isha F", "Aino F" }));
}

TEST(FavouritesPrint, ListsEveryNameWithItsTextEscaped)
{
    const QString html = favouritesHtml(
        { { "<Zoë>", "life & more", "Greek", Gender::Female }, { "Adam", "", "Hebrew", Gender::Male } });
    EXPECT_TRUE(html.contains("<td><b>&lt;Zoë&gt;</b></td><td>life &amp; more</td><td>Greek</td><td>girl</td>"));
    EXPECT_TRUE(html.contains("<td><b>Adam</b></td><td></td><td>Hebrew</td><td>boy</td>"));
}
