// Which voice says a name: the language of its origin where espeak-ng speaks that language from Latin letters,
// as the names are written, and English otherwise. A voice for a language written in another script would
// spell a Latin-lettered name out letter by letter, so such origins (Greek, Hebrew, Arabic, ...) get English.
#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

namespace tervala {

// The language for one origin as the name database writes it ("Irish", "Spanish"), in any letter case;
// English for an origin without such a voice, an ambiguous one ("Celtic", "Nordic") and an empty one.
QLocale::Language originLanguage(const QString& origin);

// The language of the first of origins that has a voice of its own, else English.
QLocale::Language voiceLanguage(const QStringList& origins);

// Of the engine's locales, the one for language, preferring that language's main country (Spain for Spanish);
// else likewise for English; else the C locale, which leaves the engine its own voice.
QLocale chooseVoiceLocale(QLocale::Language language, const QList<QLocale>& available);

} // namespace tervala
