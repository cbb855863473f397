// The one way user text enters SQL text: inside a '...' literal the caller writes, with each "'" doubled.
#pragma once

#include <QString>

namespace tervala {

// The text with every "'" doubled and nothing else changed ("O'Neil" -> "O''Neil"); the caller writes the
// enclosing quotes.
QString quoteSql(const QString& text);

} // namespace tervala
