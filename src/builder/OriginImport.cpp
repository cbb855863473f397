#include "builder/OriginImport.h"

#include "builder/BuilderFolders.h"
#include "builder/PageText.h"
#include "builder/StageRun.h"
#include "runtime/hostfiles/FileError.h"
#include "runtime/hostfiles/FolderListing.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace tervala {

namespace {

// Markers of the four cuts in page order, with the field each one fills.
const std::pair<Markers, QString StagingRow::*> OriginCuts[] = {
    { { QStringLiteral("<h1 class=\"name\""), QStringLiteral(">"), QStringLiteral("<") }, &StagingRow::name },
    { { QStringLiteral("<h2 class=\"origin\">"), QStringLiteral(">"), QStringLiteral("<") }, &StagingRow::origin },
    { { QStringLiteral("&middot"), QStringLiteral("; "), QStringLiteral("<") }, &StagingRow::gender },
    { { QStringLiteral("<p class=\"meaning\""), QStringLiteral(">"), QStringLiteral("<") }, &StagingRow::meaning },
};

// Deletes the side file if it is there and creates it empty; the caller holds it open until the run ends.
void recreateSideFile(QFile& sideFile)
{
    if (sideFile.exists() && !sideFile.remove())
        throw rt::FileError(sideFile.fileName(), "Cannot delete file: " + sideFile.errorString());
    if (!sideFile.open(QIODevice::WriteOnly))
        throw rt::FileError(sideFile.fileName(), "Cannot create file: " + sideFile.errorString());
}

} // namespace

StagingRow cutOriginPage(const QString& pageText)
{
    StagingRow row;
    qsizetype cursor = 1;
    for (const auto& [markers, field] : OriginCuts) {
        if (cursor == 0)
            break;
        const MarkerCut cut = cutBetweenMarkers(pageText, cursor, markers);
        if (cut.value)
            row.*field = *cut.value;
        cursor = cut.cursor;
    }
    return row;
}

void runOriginImport(StageRun& run)
{
    const QString table = QStringLiteral("bayiorigin");
    run.execute("delete from " + table);
    const QList<rt::FolderEntry> entries
        = rt::listFolder(run.hostPath(OriginPageRoot), rt::FolderEntries::FilesAndFolders);
    QFile sideFile(QDir(run.programFolder()).filePath(OriginSideFile));
    recreateSideFile(sideFile);
    for (const rt::FolderEntry& entry : entries) {
        const QByteArray pagePath = entry.hostPath + "/index.html";
        // A folder without the page, or a plain file in the root, writes no row. "index.html" is never hidden.
        if (!rt::isRegularFile(pagePath))
            continue;
        run.insertRow(table, cutOriginPage(readPageText(pagePath)));
        run.progress(entry.name);
    }
    run.finish();
}

} // namespace tervala
