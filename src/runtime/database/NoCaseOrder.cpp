// Both keys of the order are Unicode texts compared unit by unit: the first is the text decomposed (NFD), its
// marks dropped and case-folded; the second the text case-folded. A sort compares names many times over, so the
// common texts are compared without building either key: ASCII on its bytes, and text made of characters
// below U+0370 (the Latin letters and the combining diacritics) through a table of each character's units in
// both keys. Any other text is compared through QString, which defines the order.
#include "runtime/database/NoCaseOrder.h"

#include <QString>

#include <array>
#include <cstring>
#include <optional>

namespace tervala::rt {

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

QString baseLetters(const QString& text)
{
    QString decomposed = text.normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.isMark(); });
    return std::move(decomposed).toCaseFolded();
}

int compareUnicode(QByteArrayView a, QByteArrayView b)
{
    const QString textA = QString::fromUtf8(a);
    const QString textB = QString::fromUtf8(b);
    const int byBase = baseLetters(textA).compare(baseLetters(textB));
    if (byBase != 0)
        return sign(byBase);
    return sign(textA.toCaseFolded().compare(textB.toCaseFolded()));
}

// Canonical decomposition and case folding act on each character alone, and dropping the marks removes the
// only reordering NFD does, so a text's keys are its characters' keys joined.
constexpr char32_t TabledBelow = 0x370;
constexpr int NoUnit = -1; // a mark: nothing in the first key
constexpr int NotTabled = -2; // a key longer than one unit, or a character past the table: use QString
constexpr int End = -3;

struct CharacterKeys {
    int base;
    int folded;
};

const std::array<CharacterKeys, TabledBelow>& keyTable()
{
    static const auto table = [] {
        std::array<CharacterKeys, TabledBelow> keys {};
        for (char32_t c = 0; c < TabledBelow; ++c) {
            const QString text { QChar(char16_t(c)) };
            const QString base = baseLetters(text);
            const QString folded = text.toCaseFolded();
            if (base.size() > 1 || folded.size() != 1)
                keys[c] = { NotTabled, NotTabled };
            else
                keys[c] = { base.isEmpty() ? NoUnit : int(base[0].unicode()), int(folded[0].unicode()) };
        }
        return keys;
    }();
    return table;
}

// Reads one key of a text, unit by unit, from its UTF-8 bytes.
class KeyReader {
public:
    KeyReader(QByteArrayView text, int CharacterKeys::*key)
        : m_text(text)
        , m_key(key)
    {
    }

    // The next unit of the key, End after the last, or NotTabled.
    int next()
    {
        for (;;) {
            if (m_at >= m_text.size())
                return End;
            const auto lead = uchar(m_text[m_at]);
            char32_t c = lead;
            if (lead >= 0x80) {
                // Only well-formed two-byte sequences can be below the table's end; the rest goes to QString.
                if (lead < 0xC2 || lead > 0xDF || m_at + 1 >= m_text.size())
                    return NotTabled;
                const auto trail = uchar(m_text[m_at + 1]);
                if ((trail & 0xC0) != 0x80)
                    return NotTabled;
                c = char32_t(lead & 0x1F) << 6 | (trail & 0x3F);
                if (c >= TabledBelow)
                    return NotTabled;
                ++m_at;
            }
            ++m_at;
            const int unit = keyTable()[c].*m_key;
            if (unit != NoUnit)
                return unit;
        }
    }

private:
    QByteArrayView m_text;
    int CharacterKeys::*m_key;
    qsizetype m_at = 0;
};

std::optional<int> compareKey(QByteArrayView a, QByteArrayView b, int CharacterKeys::*key)
{
    KeyReader readerA(a, key);
    KeyReader readerB(b, key);
    for (;;) {
        const int x = readerA.next();
        const int y = readerB.next();
        if (x == NotTabled || y == NotTabled)
            return std::nullopt;
        if (x != y)
            return x < y ? -1 : 1; // End is below every unit: a prefix sorts first
        if (x == End)
            return 0;
    }
}

std::optional<int> compareTabled(QByteArrayView a, QByteArrayView b)
{
    const std::optional<int> byBase = compareKey(a, b, &CharacterKeys::base);
    if (!byBase || *byBase != 0)
        return byBase;
    return compareKey(a, b, &CharacterKeys::folded);
}

} // namespace

int compareNoCaseNonAscii(QByteArrayView a, QByteArrayView b)
{
    // Equal bytes are equal texts: the common answer when SQLite groups or looks up equal values.
    if (a.size() == b.size() && std::memcmp(a.data(), b.data(), size_t(a.size())) == 0)
        return 0;
    if (const std::optional<int> order = compareTabled(a, b))
        return *order;
    return compareUnicode(a, b);
}

} // namespace tervala::rt
