#include "shortlist/SpeechVoice.h"

#include <algorithm>
#include <iterator>

namespace tervala {

namespace {

struct OriginVoice {
    const char* origin;
    QLocale::Language language;
};

// Origins of the name database whose language espeak-ng reads from Latin letters.
constexpr OriginVoice OriginVoices[] = {
    { "Albanian", QLocale::Albanian },     { "Basque", QLocale::Basque },         { "Czech", QLocale::Czech },
    { "Dutch", QLocale::Dutch },           { "Finnish", QLocale::Finnish },       { "French", QLocale::French },
    { "German", QLocale::German },         { "Hawaiian", QLocale::Hawaiian },     { "Hungarian", QLocale::Hungarian },
    { "Indonesian", QLocale::Indonesian }, { "Irish", QLocale::Irish },           { "Italian", QLocale::Italian },
    { "Latin", QLocale::Latin },           { "Lithuanian", QLocale::Lithuanian }, { "Maori", QLocale::Maori },
    { "Polish", QLocale::Polish },         { "Portuguese", QLocale::Portuguese }, { "Quechua", QLocale::Quechua },
    { "Romanian", QLocale::Romanian },     { "Spanish", QLocale::Spanish },       { "Swahili", QLocale::Swahili },
    { "Turkish", QLocale::Turkish },       { "Vietnamese", QLocale::Vietnamese }, { "Welsh", QLocale::Welsh },
};

} // namespace

QLocale::Language originLanguage(const QString& origin)
{
    const QString trimmed = origin.trimmed();
    const auto found = std::find_if(std::begin(OriginVoices), std::end(OriginVoices), [&](const OriginVoice& voice) {
        return trimmed.compare(QLatin1String(voice.origin), Qt::CaseInsensitive) == 0;
    });
    return found == std::end(OriginVoices) ? QLocale::English : found->language;
}

QLocale::Language voiceLanguage(const QStringList& origins)
{
    for (const QString& origin : origins) {
        const QLocale::Language language = originLanguage(origin);
        if (language != QLocale::English)
            return language;
    }
    return QLocale::English;
}

QLocale chooseVoiceLocale(QLocale::Language language, const QList<QLocale>& available)
{
    for (const QLocale::Language wanted : { language, QLocale::English }) {
        const QLocale main(wanted);
        if (available.contains(main))
            return main;
        const auto found = std::find_if(available.begin(), available.end(), [&](const QLocale& locale) {
            return locale.language() == wanted;
        });
        if (found != available.end())
            return *found;
    }
    return QLocale::c();
}

} // namespace tervala
