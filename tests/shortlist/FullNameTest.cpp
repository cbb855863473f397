// Full names and their initials as the shortlist shows them, and the initials that spell a teasing word.
#include "shortlist/FullName.h"

#include "TestSupport.h"

using namespace tervala;

TEST(FullName, JoinsThePartsThatAreThere)
{
    EXPECT_EQ(fullName("Anna", "", "Smith"), QString("Anna Smith"));
    EXPECT_EQ(fullName("Anna", "  Rose   Marie ", " Smith "), QString("Anna Rose Marie Smith"));
    EXPECT_EQ(fullName("Anna", "", ""), QString("Anna"));
}

TEST(FullName, InitialsTakeTheFirstLetterOfEachPart)
{
    const struct {
        const char* first;
        const char* middle;
        const char* surname;
        const char* initials;
    } cases[] = {
        { "Anna", "", "Smith", "AS" }, { "anna", "rose marie", "smith", "ARMS" }, { "A'isha", "", "O'Neil", "AO" },
        { "Zoë", "", "Ünal", "ZÜ" },   { "Ben", "", "van der Berg", "BV" },       { "Ben", "", "", "B" },
        { "Ben", "-", "'", "B" }, // parts without a letter give none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first + std::string(" ") + c.middle + " " + c.surname);
        EXPECT_EQ(initials(QString::fromUtf8(c.first), QString::fromUtf8(c.middle), QString::fromUtf8(c.surname)),
                  QString::fromUtf8(c.initials));
    }
}

TEST(FullName, TeasingWordsAreFoundWhateverTheirAccents)
{
    const struct {
        const char* initials;
        const char* word;
    } cases[] = {
        { "ASS", "ASS" }, { "PIG", "PIG" }, { "ÁSS", "ASS" }, { "fat", "FAT" },
        { "AS", "" },     { "ASSE", "" },   { "", "" },       { "BUTT", "BUTT" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.initials);
        EXPECT_EQ(teasingWord(QString::fromUtf8(c.initials)), QString::fromUtf8(c.word));
    }
    // Through the whole chain: Penelope Iris Green.
    EXPECT_EQ(teasingWord(initials("Penelope", "Iris", "Green")), QString("PIG"));
}
