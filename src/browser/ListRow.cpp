#include "browser/ListRow.h"

namespace tervala {

QByteArray listRowText(QByteArrayView nama, QByteArrayView arti, QByteArrayView asal, bool fav)
{
    static const QByteArray mark = FavouriteMark.toUtf8();
    QByteArray line;
    line.reserve(nama.size() + arti.size() + asal.size() + 4 + (fav ? mark.size() : 0));
    line.append(nama).append('\t').append(arti).append(" \t").append(asal).append('\t');
    if (fav)
        line.append(mark);
    return line;
}

bool isLongMeaning(QByteArrayView arti)
{
    // A character takes at least as many bytes as UTF-16 units.
    if (arti.size() <= LongMeaningLength)
        return false;
    // Every byte but a continuation byte starts a character; one of four bytes needs two UTF-16 units.
    qsizetype units = 0;
    for (const char c : arti) {
        const auto byte = uchar(c);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0;
    }
    return units > LongMeaningLength;
}

float progressBarWidth(int row, qlonglong total, int boxWidth)
{
    if (total <= 0 || row >= total)
        return static_cast<float>(boxWidth);
    return static_cast<float>(static_cast<double>(row) / static_cast<double>(total) * boxWidth);
}

} // namespace tervala
