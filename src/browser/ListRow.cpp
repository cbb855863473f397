#include "browser/ListRow.h"

#include <QVarLengthArray>

namespace tervala {

QString listRowText(QByteArrayView nama, QByteArrayView arti, QByteArrayView asal, bool fav)
{
    // One line of UTF-8 on the stack and one conversion into the grid's text: this runs for every row of a load.
    QVarLengthArray<char, 512> line;
    const auto append = [&line](QByteArrayView bytes) {
        if (!bytes.isEmpty())
            line.append(bytes.data(), bytes.size());
    };
    append(nama);
    append("\t");
    append(arti);
    append(" \t");
    append(asal);
    append("\t");
    if (fav)
        append(FavouriteMark.toUtf8());
    return QString::fromUtf8(line.constData(), line.size());
}

bool isLongMeaning(QByteArrayView arti)
{
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
