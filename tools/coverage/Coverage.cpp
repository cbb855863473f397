#include "tools/coverage/Coverage.h"

#include <algorithm>

namespace tervala::coverage {

QString pairKey(const QString& name, const QString& sex)
{
    QString folded;
    for (const QChar c : name.normalized(QString::NormalizationForm_D)) {
        if (c.isLetter())
            folded += c;
    }
    return folded.toLower() + u'\t' + sex;
}

QHash<QString, bool> listedPairs(const std::vector<makedb::NameRow>& rows)
{
    QHash<QString, bool> listed;
    for (const makedb::NameRow& row : rows) {
        bool& hasMeaning = listed[pairKey(row.nama, row.jk)];
        hasMeaning = hasMeaning || !row.arti.isEmpty();
    }
    return listed;
}

Figures coverage(const QHash<QString, qint64>& births, const QHash<QString, bool>& listed)
{
    Figures figures;
    for (auto it = births.cbegin(); it != births.cend(); ++it) {
        figures.births += it.value();
        const auto row = listed.constFind(it.key());
        if (row == listed.cend())
            continue;
        figures.covered += it.value();
        if (row.value())
            figures.withMeaning += it.value();
    }
    return figures;
}

QList<QString> missingPairs(const QHash<QString, qint64>& births, const QHash<QString, bool>& listed, int count)
{
    QList<std::pair<qint64, QString>> missing;
    for (auto it = births.cbegin(); it != births.cend(); ++it) {
        if (!listed.contains(it.key()))
            missing.append({ it.value(), it.key() });
    }
    const qsizetype shown = std::min<qsizetype>(count, missing.size());
    std::partial_sort(missing.begin(), missing.begin() + shown, missing.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    QList<QString> lines;
    for (qsizetype i = 0; i < shown; ++i)
        lines.append(missing[i].second + u'\t' + QString::number(missing[i].first));
    return lines;
}

} // namespace tervala::coverage
