// The favourites file: what a spreadsheet gets (quoting, line ends, byte order mark), what comes back from it, and
// every way a file can be malformed.
#include "browser/FavouritesCsv.h"

#include "TestSupport.h"

#include <QStringList>

using namespace tervala;

namespace {

// "name|meaning|origin|gender" of each name read from bytes.
QStringList read(const QByteArray& bytes)
{
    QStringList names;
    for (const FavouriteRecord& n : readFavouritesCsv(bytes))
        names << QStringList { n.row.nama, n.row.arti, n.row.asal, n.hasGender ? genderCode(n.row.jk) : QString() }
                     .join('|');
    return names;
}

} // namespace

TEST(FavouritesCsv, QuotesOnlyWhatNeedsItAndReadsItBack)
{
    const QByteArray csv = writeFavouritesCsv({ { "O'Neil", "champion", "Irish", Gender::Male },
                                                { "Zoë", "life, \"zest\"", "Greek", Gender::Female },
                                                { "Ariel", "lion\r\nof God", "Hebrew", Gender::Female },
                                                { "Anna", "", "", Gender::Female } });
    EXPECT_EQ(csv,
              QByteArray("\xEF\xBB\xBF")
                  + QString("Name,Meaning,Origin,Gender\r\nO'Neil,champion,Irish,M\r\nZoë,\"life, \"\"zest\"\"\",Greek,"
                            "F\r\nAriel,\"lion\r\nof God\",Hebrew,F\r\nAnna,,,F\r\n")
                        .toUtf8());
    EXPECT_EQ(
        read(csv),
        QStringList(
            { "O'Neil|champion|Irish|M", "Zoë|life, \"zest\"|Greek|F", "Ariel|lion\r\nof God|Hebrew|F", "Anna|||F" }));
    // Other column orders and letter cases, LF line ends, blank lines, optional columns missing.
    EXPECT_EQ(read("origin , NAME,Note\n\"Finnish\",Aino,x\n\nHebrew,\"Anna\",\"\"\nGreek,Zoe,y"),
              QStringList({ "Aino||Finnish|", "Anna||Hebrew|", "Zoe||Greek|" }));
    EXPECT_EQ(read("Name,Origin,Gender\r\nAdam,Hebrew, m \r\n"), QStringList { "Adam||Hebrew|M" });
}

// A field a spreadsheet would run as a formula goes out behind an apostrophe, quoted, and comes back as it was.
TEST(FavouritesCsv, NeutralisesFormulaFieldsAndReadsThemBackUnchanged)
{
    const struct {
        QString text;
        QByteArray written;
    } cases[] = {
        { "=1+2", "\"'=1+2\"" },
        { "+Ann", "\"'+Ann\"" },
        { "-", "\"'-\"" },
        { "@SUM(A1)", "\"'@SUM(A1)\"" },
        { "\tTab", "\"'\tTab\"" },
        { "\rCR", "\"'\rCR\"" },
        { "=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"" },
        { "'=quoted", "\"''=quoted\"" },
        { "''-twice", "\"'''-twice\"" },
        { "O'Neil", "O'Neil" },
        { "'", "'" },
        { "Mary-Ann", "Mary-Ann" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QByteArray csv = writeFavouritesCsv({ { c.text, c.text, "Irish", Gender::Female } });
        EXPECT_EQ(csv.split('\n').value(1), c.written + "," + c.written + ",Irish,F\r");
        const std::vector<FavouriteRecord> names = readFavouritesCsv(csv);
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names[0].row.nama, c.text);
        EXPECT_EQ(names[0].row.arti, c.text);
    }
}

TEST(FavouritesCsv, MalformedFilesAreRefusedWithTheLine)
{
    const struct {
        QByteArray bytes;
        const char* message;
    } cases[] = {
        { "", "the file is empty" },
        { "Name,Meaning\r\nAdam,man\r\n", "line 1: the header line has no Origin column" },
        { "Name;Meaning;Origin\r\nAdam;man;Hebrew\r\n",
          "line 1: the fields are separated by semicolons; a favourites file separates them by commas" },
        { "Name,Origin\r\nAdam,\"Hebrew\r\nEve,Hebrew\r\n", "line 2: a quoted field is not closed" },
        { "Name,Origin\r\nAdam,\"Hebrew\"x\r\n", "line 2: text follows a quoted field" },
        { "Name,Origin\r\nAd\"am,Hebrew\r\n", "line 2: a quote inside a field" },
        { "Name,Origin\r\n\"A\r\ndam\",Hebrew\r\nEve\r\n", "line 4: 1 fields where the header has 2" },
        { "Name,Origin\r\n,Hebrew\r\n", "line 2: the name is empty" },
        { "Name,Origin,Gender\r\nAdam,Hebrew,X\r\n", "line 2: the gender \"X\" is neither M nor F" },
        { "Name,Origin\r\nAd\xE9m,Hebrew\r\n", "the file is not UTF-8 text" },
    };
    for (const auto& c : cases) {
        try {
            readFavouritesCsv(c.bytes);
            ADD_FAILURE() << "accepted " << c.bytes.toStdString();
        } catch (const FavouritesCsvError& error) {
            EXPECT_TRUE(QString(error.what()).startsWith(c.message)) << error.what();
        }
    }
}
