// A Jet LIKE pattern, compiled once and matched against many texts: "%" matches any run of characters (also
// none), "_" exactly one, "[abc]" "[a-z]" "[!abc]" one character of (or not of) a class, "[]" nothing at all;
// every other character matches itself without regard to letter case (Unicode simple case folding).
// A character is a code point, not a UTF-16 unit.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace tervala::rt {

class JetPattern {
public:
    // Nothing for an invalid pattern: a "[" without its "]", or a range written backwards ("[z-a]").
    static std::optional<JetPattern> compile(const QString& pattern);

    bool matches(QStringView text) const;
    // The same for text of ASCII characters only, one byte each, which needs no decoding.
    bool matchesAscii(QByteArrayView text) const;

private:
    enum class Kind { Char, AnyOne, AnyRun, Class };
    struct Token {
        Kind kind;
        char32_t folded; // Char: the character, case-folded; Class: index into m_classes
    };
    struct CharClass {
        bool negated = false;
        std::vector<std::pair<char32_t, char32_t>> ranges; // inclusive, case-folded; a lone character is a range
    };

    bool matchesOne(const Token& token, char32_t folded) const;
    // nextFolded(index) gives the case-folded code point at index of a text of size units and moves index past it.
    template <typename NextFolded> bool matchesFolded(qsizetype size, NextFolded nextFolded) const;

    std::vector<Token> m_tokens;
    std::vector<CharClass> m_classes;
};

} // namespace tervala::rt
