// Tag stripping and the re-casing rules on their edges: unclosed and stray brackets, non-ASCII letters.
#include "builder/TextCleanup.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

TEST(TextCleanup, StripTags)
{
    const std::pair<QString, QString> cases[] = {
        { "a <i>gift</i> of God", "a gift of God" },
        { "strong<and brave", "strong" },
        { "1 > 0", "1  0" },
        { "a<<b>c>d", "acd" },
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(stripTags(text), expected);
    }
}

TEST(TextCleanup, Recasing)
{
    const struct {
        QString text;
        QString recased;
        QString upperFirst;
    } cases[] = {
        { "éLODIE", "Élodie", "ÉLODIE" },
        { "ANNE-MARIE", "Anne-marie", "ANNE-MARIE" },
        { " zOË", " zoë", " zOË" },
        { "ß", "SS", "SS" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(recaseName(c.text), c.recased);
        EXPECT_EQ(upperFirst(c.text), c.upperFirst);
    }
}
