#include "shortlist/PartnerImport.h"

#include "runtime/database/Connection.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSet>

namespace tervala {

namespace {

// Names listed in the report when some were not found; more are only counted.
constexpr int NotFoundListed = 10;

} // namespace

PartnerLookup lookUpPartnerNames(rt::Connection& connection, const std::vector<FavouriteRecord>& records)
{
    PartnerLookup lookup;
    QSet<QString> seen;
    for (const FavouriteRecord& record : records) {
        rt::Recordset rows = connection.execute(
            QStringLiteral("select nama, arti, asal, jk from namabayi where nama = ?1 "
                           "and (asal = ?2 or (asal is null and ?2 = '')) and (?3 = '' or jk = ?3)"),
            { record.row.nama, record.row.asal, record.hasGender ? genderCode(record.row.jk) : QString() });
        if (rows.eof())
            lookup.notFound.push_back(record.row);
        for (; !rows.eof(); rows.moveNext()) {
            const std::optional<Gender> jk = genderFromCode(rows.field(3).toString().toUpper());
            if (!jk)
                continue;
            const NameRow row { rows.field(0).toString(), rows.field(1).toString(), rows.field(2).toString(), *jk };
            const QString identity = row.nama + u'\t' + row.asal + u'\t' + genderCode(row.jk);
            if (!seen.contains(identity)) {
                seen.insert(identity);
                lookup.found.push_back(row);
            }
        }
    }
    return lookup;
}

QString partnerImportReport(const QString& partner, const PartnerLookup& lookup)
{
    const int notFound = int(lookup.notFound.size());
    QString report = QCoreApplication::translate("PartnerImport",
                                                 "%1's favourites: %n name(s) stored.",
                                                 nullptr,
                                                 int(lookup.found.size()))
                         .arg(partner);
    if (notFound == 0)
        return report;
    QStringList listed;
    for (int i = 0; i < std::min(notFound, NotFoundListed); ++i)
        listed << lookup.notFound[i].nama + " (" + lookup.notFound[i].asal + ")";
    report += u'\n'
        + QCoreApplication::translate("PartnerImport", "Not in the name database: %n name(s)", nullptr, notFound)
        + u'\n' + listed.join(QStringLiteral(", "));
    if (notFound > NotFoundListed)
        report += QCoreApplication::translate("PartnerImport", " and %1 more")
                      .arg(QLocale().toString(notFound - NotFoundListed));
    return report;
}

} // namespace tervala
