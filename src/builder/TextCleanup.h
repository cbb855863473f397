// Tag stripping and the letter-case rules with which the builder cleans cut values.
// A character is one QString code unit, as the old platform counted them; only where a text's first character
// is taken alone does a surrogate pair at its start count as one character, so that a pair is never split.
#pragma once

#include <QString>

namespace tervala {

// The text without everything from a "<" to the next ">": both brackets are always dropped, a ">" with no "<"
// before it is dropped, and an unclosed "<" drops the rest of the text.
QString stripTags(const QString& text);

// The first character of text (empty for an empty text).
QString firstCharacter(const QString& text);

// The first character upper-cased, the rest unchanged. Qt's full case mapping applies: a leading "ß" becomes "SS".
QString upperFirst(const QString& text);

// The first character upper-cased and all others lower-cased: "éLODIE" -> "Élodie", "ANNE-MARIE" -> "Anne-marie".
QString recaseName(const QString& name);

} // namespace tervala
