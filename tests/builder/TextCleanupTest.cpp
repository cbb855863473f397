// Tag stripping and the re-casing rules on their edges: unclosed and stray brackets, non-ASCII letters.
#include "builder/TextCleanup.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

namespace {

TEST(TextCleanup, StripTags)
{
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        { "a <i>gift</i> of God", "a gift of God" },
        { "<b>", "" },
        { "light &#039;<br>", "light &#039;" },
        { "strong<and brave", "strong" },
        { "1 > 0", "1  0" },
        { "a<<b>c>d", "acd" },
        { "", "" },
        { "Zoë<sup>2</sup>", "Zoë2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(stripTags(c.text), c.expected);
    }
}

TEST(TextCleanup, Recasing)
{
    const struct {
        QString text;
        QString recased;
        QString upperFirst;
    } cases[] = {
        { "ABEL", "Abel", "ABEL" },
        { "éLODIE", "Élodie", "ÉLODIE" },
        { "ANNE-MARIE", "Anne-marie", "ANNE-MARIE" },
        { "mary ann", "Mary ann", "Mary ann" },
        { " zOË", " zoë", " zOË" },
        { "", "", "" },
        { "ß", "SS", "SS" },
        { QString::fromUtf8("\U00010428X"), QString::fromUtf8("\U00010400x"), QString::fromUtf8("\U00010400X") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(recaseName(c.text), c.recased);
        EXPECT_EQ(upperFirst(c.text), c.upperFirst);
    }
}

} // namespace
