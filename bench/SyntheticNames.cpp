#include "bench/SyntheticNames.h"

#include <iterator>

namespace tervala::bench {

namespace {

const char* const Syllables[]
    = { "a",  "an", "ar", "ba", "be", "da", "del", "e",  "el", "fa", "ga", "ha",  "i",  "is", "ja",  "ka",
        "ki", "la", "li", "lu", "ma", "mi", "mo",  "na", "ne", "ni", "o",  "or",  "pa", "ra", "ren", "ri",
        "ro", "sa", "se", "si", "ta", "te", "ti",  "to", "u",  "va", "ve", "vin", "ya", "yo", "za",  "zo" };

const char* const Origins[]
    = { "Akan",    "Arabic",    "Aramaic",  "Basque",  "Celtic",   "Chinese", "Czech",    "Dutch",
        "English", "Finnish",   "French",   "Gaelic",  "Germanic", "Greek",   "Hawaiian", "Hebrew",
        "Hindi",   "Hungarian", "Irish",    "Italian", "Japanese", "Latin",   "Nordic",   "Persian",
        "Polish",  "Russian",   "Sanskrit", "Slavic",  "Spanish",  "Swahili" };

const char* const Words[]
    = { "bright", "brave",  "gift", "of",    "the",    "sea",   "light",  "strong", "gentle", "rain",   "flower",
        "star",   "river",  "song", "joy",   "wise",   "ruler", "famous", "little", "noble",  "grace",  "moon",
        "dawn",   "forest", "hope", "peace", "friend", "God",   "keeper", "spring", "golden", "warrior" };

// Accented forms that the program must fold, sort and match like their plain letters.
const char16_t* const Accents[] = { u"\u00e1", u"\u00eb", u"\u00f8", u"\u00f1", u"\u00fc" };

} // namespace

SyntheticNames::SyntheticNames(quint64 seed)
    : m_random(seed)
{
}

int SyntheticNames::below(int bound)
{
    return int(m_random() % quint64(bound));
}

QString SyntheticNames::name()
{
    QString text;
    const int syllables = 2 + below(2);
    for (int i = 0; i < syllables; ++i)
        text += QLatin1String(Syllables[below(int(std::size(Syllables)))]);
    if (below(25) == 0)
        text.replace(below(int(text.size())), 1, QString::fromUtf16(Accents[below(int(std::size(Accents)))]));
    text[0] = text[0].toUpper();
    if (below(100) == 0)
        text = QStringLiteral("O'") + text;
    return text;
}

QString SyntheticNames::meaning()
{
    QString text;
    const int words = 1 + below(9);
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            text += u' ';
        text += QLatin1String(Words[below(int(std::size(Words)))]);
    }
    return text;
}

SyntheticName SyntheticNames::next()
{
    SyntheticName row;
    row.nama = name();
    row.arti = meaning();
    row.asal = QLatin1String(Origins[below(int(std::size(Origins)))]);
    row.jk = below(2) == 0 ? QStringLiteral("M") : QStringLiteral("F");
    row.fav = below(200) == 0;
    return row;
}

} // namespace tervala::bench
