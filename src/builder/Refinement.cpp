#include "builder/Refinement.h"

#include "builder/StageRun.h"
#include "builder/TextCleanup.h"

#include <QStringList>

namespace tervala {

StagingRow refineRow(const StagingRow& source)
{
    StagingRow row;
    row.name = QString(source.name).remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>"));
    if (row.name.contains(QStringLiteral("<a name"))) {
        const QStringList pieces = row.name.split(u'"');
        if (pieces.size() >= 2)
            row.name = recaseName(pieces.at(1));
    }
    row.meaning = source.meaning;
    if (row.meaning.contains(u'<'))
        row.meaning = stripTags(row.meaning).remove(QStringLiteral("&#039;"));
    row.gender = source.gender.toUpper();
    row.origin = upperFirst(source.origin);
    return row;
}

void runRefinement(StageRun& run)
{
    run.forEachRow(QStringLiteral("bayi20000"), [&run](const StagingRow& source) {
        const StagingRow row = refineRow(source);
        run.insertRow(QStringLiteral("bayiorigin2"), row);
        run.progress(row.name);
    });
}

} // namespace tervala
