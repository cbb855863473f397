#include "builder/Merge.h"

#include "builder/StageRun.h"
#include "builder/TextCleanup.h"
#include "builder/TransientIndex.h"
#include "namedb/Quoting.h"
#include "runtime/database/DbError.h"

namespace tervala {

namespace {

bool isPresent(StageRun& run, const StagingRow& source, bool ignoreFailures)
{
    if (!ignoreFailures)
        return !run.execute(composeDuplicateTest(source)).eof();
    try {
        return !run.execute(composeDuplicateTest(source)).eof();
    } catch (const rt::DbError&) {
        // Once the run ignores failures, a test the database refuses (a quote in the origin) adds no row.
        return true;
    }
}

} // namespace

QString composeDuplicateTest(const StagingRow& source)
{
    return "select nama from namabayi where nama='" + quoteSql(source.name) + "' and asal='" + source.origin + "'";
}

StagingRow mergeRow(const StagingRow& source)
{
    StagingRow row = source;
    row.name = recaseName(source.name);
    row.meaning.remove(QStringLiteral("&#039"));
    if (row.meaning.contains(u'<'))
        row.meaning = stripTags(row.meaning);
    return row;
}

void runMerge(StageRun& run)
{
    // Each duplicate test looks up one name and origin: without an index every test scans all of namabayi, and
    // the run grows with the square of the rows. The index must compare as the test does, in the program's own
    // collation, so it lives only for this run.
    const TransientIndex duplicateKey(run.connection(),
                                      QStringLiteral("namabayi"),
                                      QStringLiteral("namabayi"),
                                      QStringLiteral("nama, asal"));
    bool ignoreFailures = false; // set before the first new row's insert, kept until the run ends
    run.forEachRow(QStringLiteral("bayiorigin2"), [&](const StagingRow& source) {
        if (isPresent(run, source, ignoreFailures))
            return;
        const StagingRow row = mergeRow(source);
        ignoreFailures = true;
        try {
            run.insertRow(QStringLiteral("namabayi"), row);
        } catch (const rt::DbError&) {
            // Ignoring failures from the first new row on: a refused insert adds nothing, and the run goes on.
        }
        run.progress(row.name);
    });
}

} // namespace tervala
