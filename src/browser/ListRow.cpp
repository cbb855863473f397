#include "browser/ListRow.h"

namespace tervala {

QString listRowText(const QVariant& nama, const QVariant& arti, const QVariant& asal, const QVariant& fav)
{
    const QString mark = fav.toBool() ? QStringLiteral("V") : QString();
    return nama.toString() + '\t' + arti.toString() + ' ' + '\t' + asal.toString() + '\t' + mark;
}

bool isLongMeaning(const QVariant& arti)
{
    return arti.toString().size() > LongMeaningLength;
}

float progressBarWidth(int row, qlonglong total, int boxWidth)
{
    if (total <= 0 || row >= total)
        return static_cast<float>(boxWidth);
    return static_cast<float>(static_cast<double>(row) / static_cast<double>(total) * boxWidth);
}

} // namespace tervala
