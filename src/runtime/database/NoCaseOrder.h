// The order of the NOCASE collation that the dialect installs.
#pragma once

#include <QByteArrayView>

namespace tervala::rt {

// The NOCASE order of the rest of two UTF-8 texts from the first position where either holds a byte that is not
// ASCII. The ASCII prefix before it is equal in both keys and never combines with what follows, so it cannot
// change the outcome.
int compareNoCaseNonAscii(QByteArrayView a, QByteArrayView b);

// The NOCASE order of two UTF-8 texts: <0, 0 or >0. Texts compare first with letter case and diacritics
// removed ("Ángel" beside "Angel"), then by letter case folded alone; equal only when they differ in letter
// case alone ("Zoë" = "ZOË", "Zoe" < "Zoë").
// A sort calls this for every comparison, so the ASCII part is inline: while both texts are ASCII, folding is
// lower-casing and no diacritics can appear, so both keys of the order agree with the lower-cased bytes.
inline int compareNoCase(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = a.size() < b.size() ? a.size() : b.size();
    for (qsizetype i = 0; i < common; ++i) {
        const auto x = uchar(a[i]);
        const auto y = uchar(b[i]);
        if (x == y && x < 0x80)
            continue;
        if ((x | y) >= 0x80)
            return compareNoCaseNonAscii(a.sliced(i), b.sliced(i));
        const uchar lowerX = x >= 'A' && x <= 'Z' ? uchar(x - 'A' + 'a') : x;
        const uchar lowerY = y >= 'A' && y <= 'Z' ? uchar(y - 'A' + 'a') : y;
        if (lowerX != lowerY)
            return lowerX < lowerY ? -1 : 1;
    }
    // One text is a prefix of the other: the longer sorts after it by either key.
    return int(a.size() > b.size()) - int(a.size() < b.size());
}

} // namespace tervala::rt
