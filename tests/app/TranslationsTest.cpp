// The translations as a user meets them: every text of each translation source is translated, with the source's
// placeholders, and a translated text reaches the program with the locale's numbers.
#include "app/Translations.h"

#include "TestSupport.h"
#include "popularity/PopularityText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?n|\\d)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

} // namespace

TEST(Translations, EveryTextOfEachLanguageIsTranslatedWithItsPlaceholders)
{
    const QStringList files = QDir(QStringLiteral(TERVALA_SOURCE_DIR "/translations"))
                                  .entryList({ QStringLiteral("tervala_*.ts") }, QDir::Files);
    ASSERT_TRUE(files.contains("tervala_id.ts"));
    for (const QString& name : files) {
        QFile file(QStringLiteral(TERVALA_SOURCE_DIR "/translations/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString source;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"source") {
                source = ts.readElementText();
                ++messages;
            } else if (ts.name() == u"translation") {
                const QString type = ts.attributes().value(QStringLiteral("type")).toString();
                const QString text = ts.readElementText(QXmlStreamReader::IncludeChildElements);
                EXPECT_TRUE(type.isEmpty() && !text.trimmed().isEmpty())
                    << name.toStdString() << ": untranslated: " << source.toStdString();
                EXPECT_EQ(placeholders(text), placeholders(source))
                    << name.toStdString() << ": " << source.toStdString();
            }
        }
        EXPECT_FALSE(ts.hasError()) << name.toStdString() << ": " << ts.errorString().toStdString();
        EXPECT_GT(messages, 0) << name.toStdString();
    }
}

TEST(Translations, TheLocaleChoosesTheLanguageAndTheNumbers)
{
    const QList<tervala::YearCount> history = { { 2024, 2345, 34 } };
    const tervala::PopularityNote note { "us", 1, 1880, 2024 };
    const std::pair<const char*, QString> cases[] = {
        { "C", "US: #34 of girls' names in 2024 (2,345 births); most popular in 2024, #34" },
        { "en_GB", "US: #34 of girls' names in 2024 (2,345 births); most popular in 2024, #34" },
        { "de_DE", "US: #34 of girls' names in 2024 (2.345 births); most popular in 2024, #34" },
    };
    for (const auto& [locale, line] : cases) {
        tervala::installTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(tervala::popularityLine(history, tervala::Gender::Female, note), line) << locale;
    }
    tervala::installTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("id_ID")));
    const QString indonesian = tervala::popularityLine(history, tervala::Gender::Female, note);
    EXPECT_TRUE(indonesian.startsWith("AS: #34") && indonesian.contains("2.345") && !indonesian.contains("births"))
        << indonesian.toStdString();
    tervala::installTranslations(*QCoreApplication::instance(), QLocale::c());
}
