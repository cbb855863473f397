// The SQL trace: when TERVALA_SQL_TRACE names a file, every statement is appended to it before it runs, as
// "<database file name> TAB <statement as composed> LF" in UTF-8. Backslash, LF, CR and TAB inside the
// statement are written as \\ \n \r \t, so one line is always one statement.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tervala::rt {

// The file named by TERVALA_SQL_TRACE, read at the first call and kept for the life of the process;
// empty when the variable is unset or empty.
QString sqlTracePath();
// Replaces that file for the rest of the process (empty: no trace), so a test can read what a window sent.
void setSqlTracePath(const QString& path);

// The trace line for one statement, LF included.
QByteArray sqlTraceLine(const QString& databaseFileName, const QString& statement);
// The statements of a trace's lines, in order, as they were composed: the inverse of sqlTraceLine().
QStringList statementsOfSqlTrace(const QByteArray& trace);

// Appends the trace line to the file at tracePath and flushes it. Throws DbError when the file cannot be written.
void appendSqlTrace(const QString& tracePath, const QString& databaseFileName, const QString& statement);

// appendSqlTrace() to sqlTracePath(); does nothing when no trace is asked for.
void traceStatement(const QString& databaseFileName, const QString& statement);

} // namespace tervala::rt
