// Says a name aloud through Qt TextToSpeech, in the voice its origin calls for (SpeechVoice.h). Without a speech
// engine, or with one that cannot start, it is not available and says nothing.
#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

#include <memory>

class QTextToSpeech;

namespace tervala {

class NameSpeaker {
public:
    // engine: the name of the Qt TextToSpeech engine to use, or empty for the first one installed.
    explicit NameSpeaker(const QString& engine);
    ~NameSpeaker();

    bool isAvailable() const { return m_speech != nullptr; }
    // Speaks text in the voice of the first of origins that has one; does nothing when not available.
    void say(const QString& text, const QStringList& origins);

    // What a user without an engine is told to install.
    static QString missingEngineText();

private:
    std::unique_ptr<QTextToSpeech> m_speech;
    QList<QLocale> m_locales; // the engine's, read once: the speech server is asked each time otherwise
};

} // namespace tervala
