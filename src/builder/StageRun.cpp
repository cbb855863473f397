#include "builder/StageRun.h"

#include "builder/TransientIndex.h"
#include "namedb/ConnectionString.h"
#include "runtime/controls/DoEvents.h"
#include "runtime/controls/UnhandledError.h"
#include "runtime/database/Connection.h"
#include "runtime/hostfiles/WindowsPath.h"

namespace tervala {

StageRun::StageRun(rt::Connection& connection,
                   const QString& programFolder,
                   CaptionSetter setCaption,
                   ClosedTest windowClosed)
    : m_connection(connection)
    , m_programFolder(programFolder)
    , m_setCaption(std::move(setCaption))
    , m_windowClosed(std::move(windowClosed))
{
    m_connection.open(jetConnectionString(m_programFolder, StagingDatabaseFile));
    dropTransientIndexes(m_connection);
}

QString StageRun::hostPath(const QString& windowsPath) const
{
    return rt::toHostPath(m_programFolder, windowsPath);
}

rt::Recordset StageRun::execute(const QString& statement)
{
    return m_connection.execute(statement);
}

void StageRun::insertRow(const QString& table, const StagingRow& row)
{
    m_connection.execute(composeRowInsert(table, row));
}

void StageRun::forEachRow(const QString& table, const std::function<void(const StagingRow&)>& rowStep)
{
    // The rows stay readable when a nested stage reopens the connection during a yield of rowStep.
    for (rt::Recordset rows = execute("select * from " + table); !rows.eof(); rows.moveNext()) {
        // A null QVariant converts to an empty QString.
        rowStep({ rows.field("nama").toString(),
                  rows.field("arti").toString(),
                  rows.field("asal").toString(),
                  rows.field("jk").toString() });
    }
}

void StageRun::progress(const QString& caption)
{
    m_setCaption(caption);
    rt::doEvents();
    if (m_windowClosed())
        throw rt::WindowClosed();
}

void StageRun::finish()
{
    m_setCaption(QStringLiteral("selesai"));
}

} // namespace tervala
