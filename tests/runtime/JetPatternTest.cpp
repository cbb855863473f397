// The like matcher on its own: the ends of every class range, negation, letter case on both the ASCII and the
// decoded path, and wildcards.
#include "runtime/JetPattern.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using tervala::rt::JetPattern;

TEST(JetPattern, MatchesLikeJet)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        { "[b-d]", "b", true },      { "[b-d]", "d", true },   { "[b-d]", "a", false },  { "[b-d]", "e", false },
        { "[B-D]", "d", true },      { "[b-d]", "D", true },   { "[!b-d]", "b", false }, { "[!b-d]", "d", false },
        { "[!b-d]", "e", true },     { "[a-cx]", "x", true },  { "[-a]", "-", true },    { "[a-]", "-", true },
        { "[!]", "!", true },        { "a[]b", "ab", true },   { "[à-é]", "É", true },   { "[à-é]", "ê", false },
        { "@az%", "@AZ[", true },    { "%{", "@AZ[", false },  { "zoë", "ZOË", true },   { "z_e", "zoe", true },
        { "z_e", "ze", false },      { "%an%", "Anna", true }, { "%an", "Anna", false }, { "a%b%c", "aXbYbZc", true },
        { "a%b%c", "aXcYb", false }, { "%", "", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / " + c.text);
        const std::optional<JetPattern> pattern = JetPattern::compile(QString::fromUtf8(c.pattern));
        ASSERT_TRUE(pattern.has_value());
        EXPECT_EQ(pattern->matches(QString::fromUtf8(c.text)), c.matches);
        const QByteArrayView bytes(c.text);
        if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; })) {
            EXPECT_EQ(pattern->matchesAscii(bytes), c.matches);
        }
    }
}

TEST(JetPattern, RefusesAnOpenClassAndABackwardRange)
{
    EXPECT_FALSE(JetPattern::compile("[ab%").has_value());
    EXPECT_FALSE(JetPattern::compile("[z-a]").has_value());
    EXPECT_TRUE(JetPattern::compile("[a-a]").has_value());
}
