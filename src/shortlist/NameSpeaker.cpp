#include "shortlist/NameSpeaker.h"

#include "shortlist/SpeechVoice.h"

#include <QCoreApplication>
#include <QTextToSpeech>

namespace tervala {

NameSpeaker::NameSpeaker(const QString& engine)
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty() || (!engine.isEmpty() && !engines.contains(engine)))
        return;
    auto speech = engine.isEmpty() ? std::make_unique<QTextToSpeech>() : std::make_unique<QTextToSpeech>(engine);
    // An engine that cannot reach its speech server is no better than none.
    if (speech->state() == QTextToSpeech::Error)
        return;
    m_locales = speech->availableLocales();
    m_speech = std::move(speech);
}

NameSpeaker::~NameSpeaker() = default;

void NameSpeaker::say(const QString& text, const QStringList& origins)
{
    if (!m_speech)
        return;
    const QLocale locale = chooseVoiceLocale(voiceLanguage(origins), m_locales);
    if (locale != QLocale::c())
        m_speech->setLocale(locale);
    m_speech->say(text);
}

QString NameSpeaker::missingEngineText()
{
    return QCoreApplication::translate("NameSpeaker",
                                       "No speech engine is installed. To hear names, install the packages "
                                       "qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng.");
}

} // namespace tervala
