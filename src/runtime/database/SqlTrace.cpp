// The file is opened for each line: lines of several connections stay in the order they were written,
// and nothing is left unflushed when the program dies.
#include "runtime/database/SqlTrace.h"

#include "runtime/database/DbError.h"

#include <QFile>

#include <sqlite3.h>

namespace tervala::rt {

namespace {

QString& tracePath()
{
    static QString path = qEnvironmentVariable("TERVALA_SQL_TRACE");
    return path;
}

} // namespace

QString sqlTracePath()
{
    return tracePath();
}

void setSqlTracePath(const QString& path)
{
    tracePath() = path;
}

QByteArray sqlTraceLine(const QString& databaseFileName, const QString& statement)
{
    QString escaped;
    escaped.reserve(statement.size());
    for (const QChar c : statement) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        default:
            escaped += c;
        }
    }
    return (databaseFileName + QLatin1Char('\t') + escaped + QLatin1Char('\n')).toUtf8();
}

QStringList statementsOfSqlTrace(const QByteArray& trace)
{
    QStringList statements;
    for (const QByteArray& line : trace.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString escaped = QString::fromUtf8(line).section(u'\t', 1);
        QString statement;
        statement.reserve(escaped.size());
        for (qsizetype i = 0; i < escaped.size(); ++i) {
            if (escaped[i] != u'\\' || i + 1 == escaped.size()) {
                statement += escaped[i];
                continue;
            }
            const QChar next = escaped[++i];
            statement += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next == u't' ? QChar(u'\t') : next;
        }
        statements << statement;
    }
    return statements;
}

void appendSqlTrace(const QString& tracePath, const QString& databaseFileName, const QString& statement)
{
    QFile file(tracePath);
    const QByteArray line = sqlTraceLine(databaseFileName, statement);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(line) != line.size() || !file.flush())
        throw DbError(SQLITE_CANTOPEN,
                      QStringLiteral("Cannot write the SQL trace %1: %2").arg(tracePath, file.errorString()),
                      statement);
}

void traceStatement(const QString& databaseFileName, const QString& statement)
{
    const QString path = sqlTracePath();
    if (!path.isEmpty())
        appendSqlTrace(path, databaseFileName, statement);
}

} // namespace tervala::rt
