// A first name with the family's middle name and surname: the full name, its initials, and whether the initials
// spell a word other children tease with. The words are a short list kept here.
#pragma once

#include <QString>

namespace tervala {

// First name, middle name and surname joined by single blanks, the empty ones left out; each part trimmed.
QString fullName(const QString& first, const QString& middle, const QString& surname);

// The first letter of the first name, of each word of the middle name and of the surname (its first word:
// "van der Berg" gives V), upper-cased; parts without a letter give none. "O'Neil" gives O, "Zoë" Z.
QString initials(const QString& first, const QString& middle, const QString& surname);

// The word that initials spell when it is one of the teasing words (accents aside: "ÁSS" spells ASS), else
// an empty text.
QString teasingWord(const QString& initials);

} // namespace tervala
