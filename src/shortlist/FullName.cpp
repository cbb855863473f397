#include "shortlist/FullName.h"

#include "popularity/PopularityFile.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace tervala {

namespace {

// Words of two to four letters that a child's initials should not spell: rude, unkind or frightening ones.
const char* const TeasingWords[] = {
    "APE",  "ASS",  "BAD", "BOG",  "BUM", "BUTT", "COW",  "CRAP", "DAFT", "DIE", "DIRT", "DOG",  "DORK", "DUD",
    "DUMB", "DUMP", "FAG", "FART", "FAT", "FOOL", "GAS",  "GIT",  "HAG",  "HOG", "ILL",  "JERK", "KKK",  "MAD",
    "NAG",  "NERD", "NUT", "PEE",  "PIG", "PIMP", "POO",  "POOP", "PUKE", "RAT", "SAD",  "SEX",  "SIN",  "SLUT",
    "SOB",  "SOD",  "STD", "SUX",  "TIT", "UGH",  "UGLY", "VD",   "WC",   "WTF", "ZIT",
};

QChar firstLetter(const QString& word)
{
    const auto letter = std::find_if(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
    return letter == word.end() ? QChar() : letter->toUpper();
}

} // namespace

QString fullName(const QString& first, const QString& middle, const QString& surname)
{
    QStringList parts;
    for (const QString& part : { first, middle, surname }) {
        const QString trimmed = part.simplified();
        if (!trimmed.isEmpty())
            parts << trimmed;
    }
    return parts.join(u' ');
}

QString initials(const QString& first, const QString& middle, const QString& surname)
{
    QStringList words = first.split(u' ', Qt::SkipEmptyParts).mid(0, 1);
    words += middle.split(u' ', Qt::SkipEmptyParts);
    words += surname.split(u' ', Qt::SkipEmptyParts).mid(0, 1);
    QString letters;
    for (const QString& word : words) {
        const QChar letter = firstLetter(word);
        if (!letter.isNull())
            letters += letter;
    }
    return letters;
}

QString teasingWord(const QString& initials)
{
    const QString bare = withoutAccents(initials).toUpper();
    const auto found = std::find_if(std::begin(TeasingWords), std::end(TeasingWords), [&](const char* word) {
        return bare == QLatin1String(word);
    });
    return found == std::end(TeasingWords) ? QString() : bare;
}

} // namespace tervala
