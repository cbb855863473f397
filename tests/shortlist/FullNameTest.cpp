// Full names and their initials as the shortlist shows them, and the initials that spell a teasing word.
#include "shortlist/FullName.h"

#include "TestSupport.h"

using namespace tervala;

TEST(FullName, JoinsThePartsThatAreThereAndTakesTheFirstLetterOfEach)
{
    const struct {
        const char* first;
        const char* middle;
        const char* surname;
        const char* fullName;
        const char* initials;
    } cases[] = {
        { "Anna", "", "Smith", "Anna Smith", "AS" },
        { "anna", "  rose   marie ", " smith ", "anna rose marie smith", "ARMS" },
        { "A'isha", "", "O'Neil", "A'isha O'Neil", "AO" },
        { "Zoë", "", "Ünal", "Zoë Ünal", "ZÜ" },
        { "Ben", "", "van der Berg", "Ben van der Berg", "BV" },
        { "Ben", "", "", "Ben", "B" },
        { "Ben", "-", "'", "Ben - '", "B" }, // parts without a letter give none
    };
    for (const auto& c : cases) {
        const QString first = QString::fromUtf8(c.first);
        const QString middle = QString::fromUtf8(c.middle);
        const QString surname = QString::fromUtf8(c.surname);
        SCOPED_TRACE((first + "/" + middle + "/" + surname).toStdString());
        EXPECT_EQ(fullName(first, middle, surname), QString::fromUtf8(c.fullName));
        EXPECT_EQ(initials(first, middle, surname), QString::fromUtf8(c.initials));
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
