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

PartnerLookup lookUpPartnerNames(rt::Connection& connection, const std::vector<FavouriteName>& records)
{
    PartnerLookup lookup;
    QSet<QString> seen;
    for (const FavouriteName& record : records) {
        rt::Recordset rows = connection.execute(
            QStringLiteral("select nama, arti, asal, jk from namabayi where nama = ?1 "
                           "and (asal = ?2 or (asal is null and ?2 = '')) and (?3 = '' or jk = ?3)"),
            { record.name, record.origin, record.gender });
        if (rows.eof())
            lookup.notFound.push_back(record);
        for (; !rows.eof(); rows.moveNext()) {
            const FavouriteName row { rows.field(0).toString(),
                                      rows.field(1).toString(),
                                      rows.field(2).toString(),
                                      rows.field(3).toString() };
            const QString identity = row.name + u'\t' + row.origin + u'\t' + row.gender;
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
        listed << lookup.notFound[i].name + " (" + lookup.notFound[i].origin + ")";
    report += u'\n'
        + QCoreApplication::translate("PartnerImport", "Not in the name database: %n name(s)", nullptr, notFound)
        + u'\n' + listed.join(QStringLiteral(", "));
    if (notFound > NotFoundListed)
        report += QCoreApplication::translate("PartnerImport", " and %1 more")
                      .arg(QLocale().toString(notFound - NotFoundListed));
    return report;
}

} // namespace tervala
