// The shortlist's files: a partner's favourites file read and stored under their name, kept apart from the
// user's own marks, and the shown names written to a favourites file or printed, in rank order, in the
// browser's file format and printed list. A partner's file is read and checked whole before anything is stored.
#include "browser/FavouritesCsv.h"
#include "browser/FavouritesPrint.h"
#include "runtime/controls/Dialogs.h"
#include "shortlist/PartnerImport.h"
#include "shortlist/PartnerNameDialog.h"
#include "shortlist/ShortlistModel.h"
#include "shortlist/ShortlistWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>

namespace tervala {

namespace {

QString csvFilter()
{
    return QCoreApplication::translate("ShortlistWindow", "CSV files (*.csv);;All files (*)");
}

} // namespace

void ShortlistWindow::compareWithPartner()
{
    const QString title = tr("Compare with a Partner's Favourites");
    const QString path = rt::askOpenFileName(this, title, csvFilter());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        rt::tell(this, title, tr("Cannot read %1: %2").arg(path, file.errorString()), true);
        return;
    }
    std::vector<FavouriteRecord> records;
    // Only the file's own faults are caught here; database errors go to the window's error report.
    try {
        records = readFavouritesCsv(file.readAll());
    } catch (const FavouritesCsvError& error) {
        rt::tell(
            this,
            title,
            tr("%1 is not a favourites file: %2.\nNothing was changed.").arg(path, QString::fromUtf8(error.what())),
            true);
        return;
    }
    const QString partner = askPartnerName(this, chosenPartner());
    if (partner.isEmpty())
        return;
    const PartnerLookup lookup = lookUpPartnerNames(*m_connection, records);
    m_store->replacePartner(partner, lookup.found);
    choosePartner(partner);
    rt::tell(this, title, partnerImportReport(partner, lookup));
}

void ShortlistWindow::removePartner()
{
    const QString partner = chosenPartner();
    if (partner.isEmpty())
        return;
    m_store->removePartner(partner);
    choosePartner({});
}

void ShortlistWindow::exportShown()
{
    const QString title = tr("Export Shortlist");
    const std::vector<NameRow> names = rowsOf(m_model->entries());
    if (names.empty()) {
        rt::tell(this, title, tr("The shortlist shows no names to export."));
        return;
    }
    QString path
        = rt::askSaveFileName(this, title, QDir::home().filePath(QStringLiteral("shortlist.csv")), csvFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    // Written aside and renamed when complete, so a failure never leaves half a file under the name.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(writeFavouritesCsv(names)) < 0 || !out.commit()) {
        rt::tell(this, title, tr("Cannot write %1: %2").arg(path, out.errorString()), true);
        return;
    }
    rt::tell(this, title, tr("%n name(s) written to %1.", nullptr, int(m_model->rowCount())).arg(path));
}

void ShortlistWindow::printShown()
{
    const std::vector<NameRow> names = rowsOf(m_model->entries());
    if (names.empty()) {
        rt::tell(this, tr("Print Shortlist"), tr("The shortlist shows no names to print."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Shortlist"));
    if (!rt::askPrinter(this, printer))
        return;
    printFavourites(names, printer);
}

} // namespace tervala
