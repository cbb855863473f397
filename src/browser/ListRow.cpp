#include "browser/ListRow.h"

#include <cstring>

namespace tervala {

QByteArrayView
writeListRowText(QByteArray& buffer, QByteArrayView nama, QByteArrayView arti, QByteArrayView asal, bool fav)
{
    static const QByteArray mark = FavouriteMark.toUtf8();
    const QByteArrayView favourite = fav ? QByteArrayView(mark) : QByteArrayView();
    const qsizetype size = nama.size() + arti.size() + asal.size() + favourite.size() + 4;
    if (buffer.size() < size)
        buffer.resize(size);
    char* const start = buffer.data();
    char* at = start;
    const auto put = [&at](QByteArrayView piece) {
        if (!piece.isEmpty())
            std::memcpy(at, piece.data(), size_t(piece.size()));
        at += piece.size();
    };
    put(nama);
    *at++ = '\t';
    put(arti);
    *at++ = ' ';
    *at++ = '\t';
    put(asal);
    *at++ = '\t';
    put(favourite);
    return QByteArrayView(start, size);
}

bool isLongMeaning(QByteArrayView arti)
{
    // A character takes at least as many bytes as UTF-16 units.
    if (arti.size() <= LongMeaningLength)
        return false;
    // ASCII text, the common case, has a unit for every byte; eight bytes are tested at once.
    quint64 high = 0;
    qsizetype at = 0;
    for (; at + 8 <= arti.size(); at += 8) {
        quint64 word;
        std::memcpy(&word, arti.data() + at, sizeof word);
        high |= word & 0x8080808080808080u;
    }
    for (; at < arti.size(); ++at)
        high |= uchar(arti[at]) & 0x80u;
    if (high == 0)
        return true;
    // Every byte but a continuation byte starts a character; one of four bytes needs two UTF-16 units. The count
    // stops once it is past the limit.
    qsizetype units = 0;
    for (const char c : arti) {
        const auto byte = uchar(c);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0;
        if (units > LongMeaningLength)
            return true;
    }
    return false;
}

float progressBarWidth(int row, qlonglong total, int boxWidth)
{
    if (total <= 0 || row >= total)
        return static_cast<float>(boxWidth);
    return static_cast<float>(static_cast<double>(row) / static_cast<double>(total) * boxWidth);
}

} // namespace tervala
