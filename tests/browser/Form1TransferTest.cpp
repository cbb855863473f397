// Favourites that travel, through the row menu of the browser window: export to a CSV file, import from one
// (also a malformed one and one naming unknown names), and print to a PDF file. The dialogs are answered by the
// test; what an import sends is read from the trace.
#include "Form1Fixture.h"
#include "browser/FavouritesCsv.h"
#include "browser/FavouritesPrint.h"
#include "runtime/Dialogs.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>

using namespace tervala;

namespace {

class Form1Transfer : public Form1Fixture {
protected:
    Form1Transfer()
    {
        rt::setDialogAnswers(
            { [this] { return m_fileName; },
              [this](QPrinter& printer) {
                  printer.setOutputFormat(QPrinter::PdfFormat);
                  printer.setOutputFileName(m_fileName);
                  return true;
              },
              [this](const QString& text, bool warning) { m_told << (warning ? "warning: " : "") + text; } });
    }
    ~Form1Transfer() override { rt::setDialogAnswers({}); }

    void trigger(const char* entry)
    {
        const std::unique_ptr<QMenu> menu = m_form->createGridMenu(m_form->flex2);
        menu->findChild<QAction*>(entry)->trigger();
    }

    void writeFile(const QByteArray& bytes)
    {
        QFile file(m_fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString m_fileName = m_traceDir.filePath("favourites.csv");
    QStringList m_told;
};

int rowOf(const rt::FlexGrid* grid, const QString& name)
{
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->textMatrix(row, 0) == name)
            return row;
    }
    return 0;
}

} // namespace

TEST_F(Form1Transfer, ExportWritesTheStoredFavourites)
{
    m_db.execute("update namabayi set fav=1 where nama in ('A''isha', 'Aaron')");
    start();
    m_fileName = m_traceDir.filePath("ours"); // the suffix is added
    trigger("exportFavourites");
    QFile file(m_traceDir.filePath("ours.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFName,Meaning,Origin,Gender\r\n"));
    const std::vector<FavouriteName> names = readFavouritesCsv(csv);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name + "|" + names[0].meaning + "|" + names[0].origin + "|" + names[0].gender,
              QString("A'isha|alive|Arabic|F"));
    EXPECT_EQ(names[1].meaning, LongMeaning);
    EXPECT_EQ(m_told, QStringList { "2 favourites written to " + file.fileName() + "." });
}

TEST_F(Form1Transfer, ImportMarksTheListedNamesAndCountsTheUnknownOnes)
{
    m_db.execute("update namabayi set fav=1 where nama='Adam'");
    Form1& form = start();
    writeFile("Name,Meaning,Origin,Gender\r\n"
              "Aino,the only one,Finnish,F\r\n"
              "adam,,Hebrew,M\r\n"
              "Nobody,,Nowhere,F\r\n"
              "A'isha,alive,Arabic,F\r\n"
              "Aino,,Hebrew,F\r\n");
    trigger("importFavourites");

    const QString aino = "update namabayi set fav=not fav where nama='Aino' and asal='Finnish' and jk='F'";
    const QString aisha = "update namabayi set fav=not fav where nama='A''isha' and asal='Arabic' and jk='F'";
    QStringList updates = takeTrace().filter("update ");
    EXPECT_EQ(updates, QStringList({ aino, aisha }));
    EXPECT_EQ(favourites(), QStringList({ "A'isha F", "Adam M", "Aino F" }));
    EXPECT_EQ(form.flex2->textMatrix(rowOf(form.flex2, "Aino"), 3), QString("V"));
    EXPECT_EQ(form.flex2->textMatrix(rowOf(form.flex2, "A'isha"), 3), QString("V"));
    EXPECT_EQ(form.flex2->textMatrix(rowOf(form.flex2, "Anna"), 3), QString());
    ASSERT_EQ(m_told.size(), 1);
    EXPECT_EQ(m_told[0],
              QString("New favourites: 2\nAlready favourites: 1\nNot found: 2\nNobody (Nowhere), Aino (Hebrew)"));

    // Each imported name is one change that Ctrl+Z takes back with the same statement.
    takeTrace();
    form.flex2->setFocus();
    QTest::keyClick(form.flex2, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(takeTrace(), QStringList { aisha });
    EXPECT_EQ(form.flex2->textMatrix(rowOf(form.flex2, "A'isha"), 3), QString());
    EXPECT_EQ(m_errors, QStringList());
}

TEST_F(Form1Transfer, AMalformedFileChangesNothing)
{
    start();
    writeFile("Name,Origin\r\nAino,Finnish\r\nAnna,\"Hebrew\r\n");
    trigger("importFavourites");
    EXPECT_EQ(takeTrace(), QStringList());
    EXPECT_EQ(favourites(), QStringList());
    ASSERT_EQ(m_told.size(), 1);
    EXPECT_EQ(m_told[0],
              "warning: " + m_fileName
                  + " is not a favourites file: line 3: a quoted field is not closed.\nNothing was changed.");
}

TEST_F(Form1Transfer, PrintMakesAPdfOfTheFavourites)
{
    start();
    m_fileName = m_traceDir.filePath("favourites.pdf");
    trigger("printFavourites");
    EXPECT_EQ(m_told, QStringList { "There are no favourites to print yet." });
    EXPECT_FALSE(QFile::exists(m_fileName));

    m_db.execute("update namabayi set fav=1 where nama='Aino'");
    trigger("printFavourites");
    QFile pdf(m_fileName);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
}

TEST(FavouritesPrint, ListsEveryNameWithItsTextEscaped)
{
    const QString html = favouritesHtml({ { "<Zoë>", "life & more", "Greek", "F" }, { "Adam", "", "Hebrew", "M" } });
    EXPECT_TRUE(html.contains("<td><b>&lt;Zoë&gt;</b></td><td>life &amp; more</td><td>Greek</td><td>girl</td>"));
    EXPECT_TRUE(html.contains("<td><b>Adam</b></td><td></td><td>Hebrew</td><td>boy</td>"));
}
