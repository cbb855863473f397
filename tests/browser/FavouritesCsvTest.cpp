// The favourites file: what a spreadsheet gets (quoting, line ends, byte order mark), what comes back from it, and
// every way a file can be malformed.
#include "browser/FavouritesCsv.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

TEST(FavouritesCsv, QuotesOnlyWhatNeedsItAndReadsItBack)
{
    const std::vector<FavouriteName> names = {
        { "O'Neil", "champion", "Irish", "M" },
        { "Zoë", "life, \"zest\"", "Greek", "F" },
        { "Ariel", "lion\r\nof God", "Hebrew", "F" },
        { "Anna", "", "", "F" },
    };
    const QByteArray csv = writeFavouritesCsv(names);
    EXPECT_EQ(csv,
              QByteArray("\xEF\xBB\xBF"
                         "Name,Meaning,Origin,Gender\r\n"
                         "O'Neil,champion,Irish,M\r\n")
                  + QString("Zoë,\"life, \"\"zest\"\"\",Greek,F\r\n").toUtf8()
                  + "Ariel,\"lion\r\nof God\",Hebrew,F\r\nAnna,,,F\r\n");
    const std::vector<FavouriteName> back = readFavouritesCsv(csv);
    ASSERT_EQ(back.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(back[i].name, names[i].name);
        EXPECT_EQ(back[i].meaning, names[i].meaning);
        EXPECT_EQ(back[i].origin, names[i].origin);
        EXPECT_EQ(back[i].gender, names[i].gender);
    }
}

TEST(FavouritesCsv, ReadsOtherColumnOrdersLineEndsAndMissingOptionalColumns)
{
    const std::vector<FavouriteName> names
        = readFavouritesCsv("origin , NAME,Note\n\"Finnish\",Aino,x\n\nHebrew,\"Anna\",\"\"\nGreek,Zoe,y");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].name, QString("Aino"));
    EXPECT_EQ(names[0].origin, QString("Finnish"));
    EXPECT_EQ(names[1].name, QString("Anna"));
    EXPECT_EQ(names[2].origin, QString("Greek"));
    EXPECT_EQ(names[2].gender, QString());
    EXPECT_EQ(readFavouritesCsv("Name,Origin,Gender\r\nAdam,Hebrew, m \r\n")[0].gender, QString("M"));
}

TEST(FavouritesCsv, MalformedFilesAreRefusedWithTheLine)
{
    const struct {
        QByteArray bytes;
        const char* message;
    } cases[] = {
        { "", "the file is empty" },
        { "Name,Meaning\r\nAdam,man\r\n", "line 1: the header line has no Origin column" },
        { "Name,Origin\r\nAdam,\"Hebrew\r\nEve,Hebrew\r\n", "line 2: a quoted field is not closed" },
        { "Name,Origin\r\nAdam,\"Hebrew\"x\r\n", "line 2: text follows a quoted field" },
        { "Name,Origin\r\nAd\"am,Hebrew\r\n", "line 2: a quote inside a field" },
        { "Name,Origin\r\n\"A\r\ndam\",Hebrew\r\nEve\r\n", "line 4: 1 fields where the header has 2" },
        { "Name,Origin\r\n,Hebrew\r\n", "line 2: the name is empty" },
        { "Name,Origin,Gender\r\nAdam,Hebrew,X\r\n", "line 2: the gender \"X\" is neither M nor F" },
        { "Name,Origin\r\nAd\xE9m,Hebrew\r\n", "the file is not UTF-8 text" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        try {
            readFavouritesCsv(c.bytes);
            ADD_FAILURE() << "accepted";
        } catch (const FavouritesCsvError& error) {
            EXPECT_TRUE(QString(error.what()).startsWith(c.message)) << error.what();
        }
    }
}
