// The matcher walks text and pattern once, going back only to the last "%" seen (every other token takes exactly
// one character), so a match costs O(text * pattern) at worst and needs no memory beyond the compiled tokens.
#include "runtime/database/JetPattern.h"

#include <QList>

namespace tervala::rt {

namespace {

// The code point at index, which is moved past it. A lone surrogate stands for itself.
char32_t nextCodePoint(QStringView text, qsizetype& index)
{
    const char16_t unit = text[index++].unicode();
    if (QChar::isHighSurrogate(unit) && index < text.size() && text[index].isLowSurrogate())
        return QChar::surrogateToUcs4(unit, text[index++].unicode());
    return unit;
}

} // namespace

std::optional<JetPattern> JetPattern::compile(const QString& pattern)
{
    // Folded one code point at a time, exactly as matches() folds the text.
    QList<uint> folded = pattern.toUcs4();
    for (uint& c : folded)
        c = QChar::toCaseFolded(char32_t(c));
    JetPattern compiled;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const char32_t c = folded[i];
        if (c == U'%') {
            if (compiled.m_tokens.empty() || compiled.m_tokens.back().kind != Kind::AnyRun)
                compiled.m_tokens.push_back({ Kind::AnyRun, 0 });
        } else if (c == U'_') {
            compiled.m_tokens.push_back({ Kind::AnyOne, 0 });
        } else if (c == U'[') {
            const qsizetype close = folded.indexOf(U']', i + 1);
            if (close < 0)
                return std::nullopt;
            qsizetype j = i + 1;
            i = close;
            if (j == close)
                continue;
            CharClass charClass;
            // "[!]" is the character "!" itself.
            if (folded[j] == U'!' && j + 1 < close) {
                charClass.negated = true;
                ++j;
            }
            // A "-" first or last in the class is the character itself.
            while (j < close) {
                const char32_t first = folded[j];
                if (j + 2 < close && folded[j + 1] == U'-') {
                    const char32_t last = folded[j + 2];
                    if (last < first)
                        return std::nullopt;
                    charClass.ranges.emplace_back(first, last);
                    j += 3;
                } else {
                    charClass.ranges.emplace_back(first, first);
                    ++j;
                }
            }
            compiled.m_tokens.push_back({ Kind::Class, char32_t(compiled.m_classes.size()) });
            compiled.m_classes.push_back(std::move(charClass));
        } else {
            compiled.m_tokens.push_back({ Kind::Char, c });
        }
    }
    return compiled;
}

bool JetPattern::matchesOne(const Token& token, char32_t folded) const
{
    switch (token.kind) {
    case Kind::Char:
        return token.folded == folded;
    case Kind::AnyOne:
        return true;
    case Kind::Class: {
        const CharClass& charClass = m_classes[token.folded];
        bool inClass = false;
        for (const auto& [first, last] : charClass.ranges)
            inClass = inClass || (first <= folded && folded <= last);
        return inClass != charClass.negated;
    }
    case Kind::AnyRun:
        break;
    }
    Q_UNREACHABLE();
}

template <typename NextFolded> bool JetPattern::matchesFolded(qsizetype size, NextFolded nextFolded) const
{
    const std::size_t tokenCount = m_tokens.size();
    std::size_t token = 0;
    qsizetype position = 0;
    // Where to resume after the last "%": the token after it, and the text position it has swallowed up to.
    std::optional<std::size_t> resumeToken;
    qsizetype resumePosition = 0;
    while (position < size) {
        if (token < tokenCount && m_tokens[token].kind == Kind::AnyRun) {
            resumeToken = ++token;
            resumePosition = position;
            continue;
        }
        if (token < tokenCount) {
            qsizetype next = position;
            if (matchesOne(m_tokens[token], nextFolded(next))) {
                position = next;
                ++token;
                continue;
            }
        }
        if (!resumeToken)
            return false;
        token = *resumeToken;
        nextFolded(resumePosition);
        position = resumePosition;
    }
    while (token < tokenCount && m_tokens[token].kind == Kind::AnyRun)
        ++token;
    return token == tokenCount;
}

bool JetPattern::matches(QStringView text) const
{
    return matchesFolded(text.size(),
                         [text](qsizetype& index) { return QChar::toCaseFolded(nextCodePoint(text, index)); });
}

bool JetPattern::matchesAscii(QByteArrayView text) const
{
    // For ASCII, case folding is lower-casing.
    return matchesFolded(text.size(), [text](qsizetype& index) {
        const auto c = char32_t(uchar(text[index++]));
        Q_ASSERT(c < 0x80);
        return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
    });
}

} // namespace tervala::rt
