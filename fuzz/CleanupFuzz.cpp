// Tag stripping and re-casing against plain references: the strip as cuts from each "<" to the next ">", the
// re-casing as the first character (a surrogate pair counts as one) upper-cased and the rest lower-cased.
#include "builder/TextCleanup.h"

#include <cstdint>
#include <cstdlib>

using namespace tervala;

namespace {

// Each "<" drops the text up to the next ">" (or to the end); a ">" outside a tag is dropped alone.
QString referenceStrip(const QString& text)
{
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(u'<', i);
        out += text.mid(i, open < 0 ? -1 : open - i).remove(u'>');
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        i = close + 1;
    }
    return out;
}

QString referenceRecase(const QString& name)
{
    const qsizetype first = name.size() >= 2 && name[0].isHighSurrogate() && name[1].isLowSurrogate() ? 2 : 1;
    return name.left(first).toUpper() + name.mid(first).toLower();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (stripTags(text) != referenceStrip(text))
        std::abort();
    if (!text.isEmpty() && recaseName(text) != referenceRecase(text))
        std::abort();
    if (stripTags(stripTags(text)) != stripTags(text))
        std::abort();
    return 0;
}
