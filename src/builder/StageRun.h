// The skeleton that every builder stage shares: opening the window's staging connection, statements and row
// inserts on it, the caption progress with one yield per unit of work, and the completion notice.
// Nothing here catches a failure: a DbError or FileError leaves the stage where it happens, and what the stage
// wrote before stays, since every statement commits on its own.
#pragma once

#include "builder/RowInsert.h"
#include "runtime/database/Recordset.h"

#include <QString>

#include <functional>

namespace tervala {

namespace rt {
class Connection;
}

class StageRun {
public:
    using CaptionSetter = std::function<void(const QString&)>;
    using ClosedTest = std::function<bool()>;

    // Opens connection on the staging database in programFolder and drops the transient indexes that a run which
    // died left behind. An open connection is closed and reopened, so a
    // stage started during another stage's yield works on it too: the other stage's rows are already fetched.
    // windowClosed tells whether the window was closed; a stage ends at the first yield that finds it so.
    StageRun(rt::Connection& connection,
             const QString& programFolder,
             CaptionSetter setCaption,
             ClosedTest windowClosed);

    QString programFolder() const { return m_programFolder; }
    // A fixed Windows path of the builder as a host path below the program folder.
    QString hostPath(const QString& windowsPath) const;

    rt::Connection& connection() { return m_connection; }
    rt::Recordset execute(const QString& statement);
    void insertRow(const QString& table, const StagingRow& row);

    // Runs rowStep for every row of "select * from <table>", in the order the database returns them. Nulls read
    // as empty text. The rows are fetched before the first step runs.
    void forEachRow(const QString& table, const std::function<void(const StagingRow&)>& rowStep);

    // Sets the window caption, then lets the window handle waiting messages; a click may run a stage meanwhile.
    // Throws rt::WindowClosed when the window was closed meanwhile (or before).
    void progress(const QString& caption);
    // The completion notice of the page imports: the caption "selesai", no yield.
    void finish();

private:
    rt::Connection& m_connection;
    QString m_programFolder;
    CaptionSetter m_setCaption;
    ClosedTest m_windowClosed;
};

} // namespace tervala
