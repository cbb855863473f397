// The voice a name is spoken in: its origin's language where espeak-ng reads that language from Latin letters,
// English otherwise, and the engine's locale for it.
#include "shortlist/SpeechVoice.h"

#include "TestSupport.h"

using namespace tervala;

TEST(SpeechVoice, OriginGivesALatinScriptLanguageOrEnglish)
{
    const std::pair<const char*, QLocale::Language> latin[] = {
        { "Irish", QLocale::Irish },   { "Spanish", QLocale::Spanish },   { "spanish", QLocale::Spanish },
        { " Welsh ", QLocale::Welsh }, { "Hawaiian", QLocale::Hawaiian }, { "Vietnamese", QLocale::Vietnamese },
    };
    for (const auto& [origin, language] : latin)
        EXPECT_EQ(originLanguage(origin), language) << origin;
    // Voices of other scripts would spell the letters out, and some origins are not one language.
    for (const char* origin :
         { "English", "American", "Greek", "Hebrew", "Arabic", "Russian", "Japanese", "Celtic", "Nordic", "" })
        EXPECT_EQ(originLanguage(origin), QLocale::English) << origin;
    EXPECT_EQ(voiceLanguage({ "Hebrew", "Irish", "Spanish" }), QLocale::Irish);
    EXPECT_EQ(voiceLanguage({ "Hebrew", "Greek" }), QLocale::English);
    EXPECT_EQ(voiceLanguage({}), QLocale::English);
}

TEST(SpeechVoice, LocaleOfTheEngineForTheLanguage)
{
    const QList<QLocale> available = { QLocale(QLocale::Spanish, QLocale::LatinAmerica),
                                       QLocale(QLocale::Spanish, QLocale::Spain),
                                       QLocale(QLocale::English, QLocale::UnitedKingdom),
                                       QLocale(QLocale::Irish, QLocale::Ireland) };
    EXPECT_EQ(chooseVoiceLocale(QLocale::Spanish, available), QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(chooseVoiceLocale(QLocale::Irish, available), QLocale(QLocale::Irish, QLocale::Ireland));
    // No Welsh voice: English, in the only country the engine has.
    EXPECT_EQ(chooseVoiceLocale(QLocale::Welsh, available), QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(chooseVoiceLocale(QLocale::Welsh, { QLocale(QLocale::German) }), QLocale::c());
}
