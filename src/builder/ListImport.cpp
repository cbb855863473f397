#include "builder/ListImport.h"

#include "builder/BuilderFolders.h"
#include "builder/PageText.h"
#include "builder/StageRun.h"
#include "builder/TextCleanup.h"
#include "runtime/hostfiles/FolderListing.h"

namespace tervala {

namespace {

const Markers NameMarkers { QStringLiteral("<li>"),
                            QStringLiteral("<font size=\"2\" color=\"#9393FF\">"),
                            QStringLiteral("</font>") };
const Markers MeaningMarkers { QStringLiteral("meaning "), QStringLiteral("&quot;"), QStringLiteral("&quot;") };

} // namespace

QString originFromFileName(const QString& fileName)
{
    const QStringList pieces = fileName.split(u'_');
    return pieces.size() >= 2 ? pieces.at(1) : QString();
}

QString genderFromFileName(const QString& fileName)
{
    return firstCharacter(fileName);
}

void walkListPage(const QString& pageText, const std::function<void(const ListItem&)>& onPass)
{
    // A pass whose meaning cut finds "meaning " but no "&quot;" after it moves the cursor only 6 characters on,
    // and its searches then meet the same answers again: TextSearch keeps the walk linear in the page size.
    TextSearch search(pageText);
    qsizetype cursor = 1;
    for (;;) {
        ListItem item;
        const MarkerCut nameCut = cutBetweenMarkers(search, cursor, NameMarkers);
        if (nameCut.value)
            item.name = *nameCut.value;
        if (nameCut.cursor == 0) {
            onPass(item);
            return;
        }
        const MarkerCut meaningCut = cutBetweenMarkers(search, nameCut.cursor, MeaningMarkers);
        if (meaningCut.value)
            item.meaning = *meaningCut.value;
        onPass(item);
        if (!meaningCut.sectionFound || meaningCut.cursor == 0)
            return;
        // Every pass moves the cursor forward, so the walk ends when the text runs out.
        Q_ASSERT(meaningCut.cursor + MeaningMarkers.end.size() > cursor);
        cursor = meaningCut.cursor + MeaningMarkers.end.size();
    }
}

void runListImport(StageRun& run)
{
    const QString table = QStringLiteral("bayi20000");
    run.execute("delete from " + table);
    const QList<rt::FolderEntry> pages = rt::listFolder(run.hostPath(ListPageFolder), rt::FolderEntries::Files);
    for (const rt::FolderEntry& page : pages) {
        const QString pageText = readPageText(page.hostPath);
        const QString origin = originFromFileName(page.name);
        const QString gender = genderFromFileName(page.name);
        walkListPage(pageText, [&](const ListItem& item) {
            if (item.writesRow())
                run.insertRow(table, { item.name, item.meaning, origin, gender });
            run.progress(item.name);
        });
    }
    run.finish();
}

} // namespace tervala
