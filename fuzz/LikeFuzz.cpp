// The like matcher against a plain recursive matcher written from the pattern rules. Input: pattern, a 0xFF
// byte, text (both UTF-8). A valid pattern must give the reference's answer, for ASCII text also on the
// byte path.
#include "runtime/database/JetPattern.h"

#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

using tervala::rt::JetPattern;

namespace {

using CodePoints = QList<uint>;

// Does the class written in pattern[from, close) hold c? "[!x]" negates unless "!" is all; x-y is a range
// unless "-" is first or last.
bool inClass(const CodePoints& p, qsizetype from, qsizetype close, uint c)
{
    const bool negated = p[from] == '!' && from + 1 < close;
    bool found = false;
    for (qsizetype j = negated ? from + 1 : from; j < close;) {
        const bool range = j + 2 < close && p[j + 1] == '-';
        found = found || (range ? p[j] <= c && c <= p[j + 2] : p[j] == c);
        j += range ? 3 : 1;
    }
    return found != negated;
}

// Memoised on (pattern position, text position): -1 unknown, 0 no, 1 yes.
bool matchFrom(const CodePoints& p, qsizetype i, const CodePoints& t, qsizetype k, std::vector<signed char>& memo)
{
    signed char& known = memo[std::size_t(i * (t.size() + 1) + k)];
    if (known >= 0)
        return known;
    bool result = false;
    if (i == p.size()) {
        result = k == t.size();
    } else if (p[i] == '%') {
        result = matchFrom(p, i + 1, t, k, memo) || (k < t.size() && matchFrom(p, i, t, k + 1, memo));
    } else if (p[i] == '[') {
        const qsizetype close = p.indexOf(']', i + 1);
        result = close == i + 1
            ? matchFrom(p, close + 1, t, k, memo)
            : k < t.size() && inClass(p, i + 1, close, t[k]) && matchFrom(p, close + 1, t, k + 1, memo);
    } else {
        result = k < t.size() && (p[i] == '_' || p[i] == t[k]) && matchFrom(p, i + 1, t, k + 1, memo);
    }
    known = result;
    return result;
}

CodePoints folded(const QString& text)
{
    CodePoints points = text.toUcs4();
    for (uint& c : points)
        c = QChar::toCaseFolded(char32_t(c));
    return points;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\xff');
    if (split < 0)
        return 0;
    const QString pattern = QString::fromUtf8(bytes.left(split));
    const QString text = QString::fromUtf8(bytes.mid(split + 1));
    const std::optional<JetPattern> compiled = JetPattern::compile(pattern);
    if (!compiled)
        return 0;
    const CodePoints p = folded(pattern);
    const CodePoints t = folded(text);
    std::vector<signed char> memo(std::size_t((p.size() + 1) * (t.size() + 1)), -1);
    const bool expected = matchFrom(p, 0, t, 0, memo);
    if (compiled->matches(text) != expected)
        std::abort();
    const QByteArray ascii = text.toUtf8();
    if (std::all_of(ascii.begin(), ascii.end(), [](char c) { return uchar(c) < 0x80; })
        && compiled->matchesAscii(ascii) != expected)
        std::abort();
    return 0;
}
