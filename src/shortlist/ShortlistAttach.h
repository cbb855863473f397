// Gives the browser its shortlist: Ctrl+L and the row menu's "Shortlist…" open the one shortlist window (made on
// the first request), and it follows every favourite change the browser makes. Start-up sends no statement for it.
#pragma once

#include <QString>

namespace tervala {

class Form1;

// programFolder: where ter.va lies; speechEngine: the Qt TextToSpeech engine, empty for the first installed.
void attachShortlist(Form1& browser, const QString& programFolder, const QString& speechEngine = {});

} // namespace tervala
