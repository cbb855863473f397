#include "browser/ListRow.h"

#include <QStringBuilder>

namespace tervala {

QString listRowText(const QVariant& nama, const QVariant& arti, const QVariant& asal, const QVariant& fav)
{
    // Built in one allocation: this runs for every row of a list load.
    return nama.toString() % u'\t' % arti.toString() % u' ' % u'\t' % asal.toString() % u'\t'
        % (fav.toBool() ? FavouriteMark : QString());
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
