// A statement is prepared, stepped to its end and finalized inside execute(), so no statement is ever left
// active: autocommit then writes each change to disk before execute() returns, and recordsets hold copies.
// The open check reads sqlite_master because sqlite3_open_v2 alone does not read the file.
#include "runtime/database/Connection.h"

#include "runtime/database/DbError.h"
#include "runtime/database/JetDialect.h"
#include "runtime/database/OpenSettings.h"
#include "runtime/database/ResultTable.h"
#include "runtime/database/SqlTrace.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace tervala::rt {

namespace {

// A lock that another process holds is waited for as long as a person would wait, so that a short lock never
// becomes an error, nor a row lost where a caller goes on after a refused statement.
constexpr int BusyTimeoutMilliseconds = 10000;
struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

[[noreturn]] void throwEngineError(sqlite3* db, const QString& statement, const QString& context = {})
{
    QString message = QString::fromUtf8(sqlite3_errmsg(db));
    if (!context.isEmpty())
        message += QStringLiteral(": ") + context;
    throw DbError(sqlite3_errcode(db), message, statement);
}

[[noreturn]] void throwClosed(const QString& statement)
{
    throw DbError(SQLITE_MISUSE, QStringLiteral("Operation is not allowed when the object is closed."), statement);
}

[[noreturn]] void throwBadConnectionString(const QString& message)
{
    throw DbError(SQLITE_ERROR, message);
}

// The data source of "key=value;" pairs, keys in any letter case. The data source value runs to the last ";"
// (or the end), so a folder name may hold ";" and "=". The provider must be Jet 4.0; other keys are ignored.
QString dataSourceOf(const QString& connectionString)
{
    bool jetProvider = false;
    qsizetype position = 0;
    while (position < connectionString.size()) {
        const qsizetype equals = connectionString.indexOf(QLatin1Char('='), position);
        const qsizetype semicolon = connectionString.indexOf(QLatin1Char(';'), position);
        if (semicolon >= 0 && (equals < 0 || semicolon < equals)) {
            if (!QStringView(connectionString).sliced(position, semicolon - position).trimmed().isEmpty())
                throwBadConnectionString(QStringLiteral("Malformed connection string: %1").arg(connectionString));
            position = semicolon + 1;
            continue;
        }
        if (equals < 0)
            throwBadConnectionString(QStringLiteral("Malformed connection string: %1").arg(connectionString));
        const QString key = connectionString.sliced(position, equals - position).trimmed();
        if (key.compare(QLatin1String("data source"), Qt::CaseInsensitive) == 0) {
            if (!jetProvider)
                break;
            const qsizetype last = connectionString.lastIndexOf(QLatin1Char(';'));
            const qsizetype end = last > equals ? last : connectionString.size();
            return connectionString.sliced(equals + 1, end - equals - 1);
        }
        const qsizetype end = semicolon >= 0 ? semicolon : connectionString.size();
        const QString value = connectionString.sliced(equals + 1, end - equals - 1).trimmed();
        if (key.compare(QLatin1String("provider"), Qt::CaseInsensitive) == 0) {
            jetProvider = value.compare(QLatin1String("microsoft.jet.oledb.4.0"), Qt::CaseInsensitive) == 0;
            if (!jetProvider)
                throwBadConnectionString(
                    QStringLiteral("Provider cannot be found. It may not be properly installed: %1").arg(value));
        }
        position = end + 1;
    }
    if (!jetProvider)
        throwBadConnectionString(QStringLiteral("No provider in the connection string: %1").arg(connectionString));
    throwBadConnectionString(QStringLiteral("No data source in the connection string: %1").arg(connectionString));
}

// Binds values to the parameters 1..n of statement. Throws DbError when the counts differ or a value is neither
// text, an integer, a real nor null.
void bindValues(sqlite3* db, sqlite3_stmt* statement, const QString& text, const QVariantList& values)
{
    if (sqlite3_bind_parameter_count(statement) != values.size())
        throw DbError(SQLITE_RANGE,
                      QStringLiteral("The statement has %1 parameters, %2 values were given.")
                          .arg(sqlite3_bind_parameter_count(statement))
                          .arg(values.size()),
                      text);
    for (int index = 1; index <= int(values.size()); ++index) {
        const QVariant& value = values[index - 1];
        int rc = SQLITE_MISMATCH;
        if (value.isNull()) {
            rc = sqlite3_bind_null(statement, index);
        } else if (value.typeId() == QMetaType::QString) {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text64(statement, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        } else if (value.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(statement, index, value.toDouble());
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
                   || value.typeId() == QMetaType::UInt) {
            rc = sqlite3_bind_int64(statement, index, value.toLongLong());
        }
        if (rc == SQLITE_MISMATCH)
            throw DbError(
                SQLITE_MISMATCH,
                QStringLiteral("Value %1 has a type that cannot be bound: %2").arg(index).arg(value.typeName()),
                text);
        if (rc != SQLITE_OK)
            throwEngineError(db, text);
    }
}

// True when the file's schema can be read, that is when the file is a database. The statement is finalized on
// return, so it holds no lock on the schema.
bool readsSchema(sqlite3* db)
{
    sqlite3_stmt* check = nullptr;
    const int prepared = sqlite3_prepare_v2(db, "select count(*) from sqlite_master", -1, &check, nullptr);
    const StatementHandle checkHandle(check);
    return prepared == SQLITE_OK && sqlite3_step(check) == SQLITE_ROW;
}

// The data source is a host folder and a file name joined with "\", as the program writes it: only that last
// "\" is a separator, so a folder whose name holds "\" is used as it is. A path without "\" is a host path.
QString hostPathOfDataSource(const QString& dataSource)
{
    QString path = dataSource;
    const qsizetype separator = path.lastIndexOf(QLatin1Char('\\'));
    if (separator >= 0)
        path[separator] = QLatin1Char('/');
    return path;
}

bool appendColumn(ResultTable& table, sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return table.appendInteger(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return table.appendReal(sqlite3_column_double(statement, column));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return table.appendBytes(ResultTable::Type::Text, text, sqlite3_column_bytes(statement, column));
    }
    case SQLITE_BLOB: {
        const auto* blob = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return table.appendBytes(ResultTable::Type::Blob, blob, sqlite3_column_bytes(statement, column));
    }
    default:
        return table.appendNull();
    }
}

} // namespace

struct Connection::Handle {
    std::unique_ptr<sqlite3, CloseDatabase> db;
    QString fileName;
};

Connection::Connection() = default;

Connection::~Connection() = default;

void Connection::open(const QString& connectionString, const QString& userName, const QString& password)
{
    // Jet's default account is "Admin" without a password; the SQLite files have no accounts.
    Q_UNUSED(userName);
    Q_UNUSED(password);
    close();
    const QString path = hostPathOfDataSource(dataSourceOf(connectionString));
    sqlite3* raw = nullptr;
    leaveOutMemoryStatistics();
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, OpenFlags, nullptr);
    auto handle = std::make_unique<Handle>(Handle { std::unique_ptr<sqlite3, CloseDatabase>(raw), {} });
    if (rc != SQLITE_OK)
        throwEngineError(raw, {}, path);
    sqlite3_busy_timeout(raw, BusyTimeoutMilliseconds);
    sqlite3_exec(raw, PageCacheSize, nullptr, nullptr, nullptr);
    registerJetDialect(raw);

    if (!readsSchema(raw))
        throwEngineError(raw, {}, path);

    handle->fileName = QFileInfo(path).fileName();
    m_handle = std::move(handle);
}

void Connection::close()
{
    m_handle.reset();
}

Recordset Connection::execute(const QString& statement, const QVariantList& values)
{
    if (!m_handle)
        throwClosed(statement);
    traceStatement(m_handle->fileName, statement);
    return run(statement, values);
}

Recordset Connection::executeUntraced(const QString& statement)
{
    if (!m_handle)
        throwClosed(statement);
    return run(statement, {});
}

Recordset Connection::run(const QString& statement, const QVariantList& values)
{
    sqlite3* db = m_handle->db.get();
    const QByteArray sql = translateJetSql(statement).toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &raw, &tail);
    const StatementHandle prepared(raw);
    if (rc != SQLITE_OK)
        throwEngineError(db, statement);
    if (!raw)
        throw DbError(SQLITE_ERROR, QStringLiteral("The statement is empty."), statement);
    if (!QByteArrayView(tail, sql.constData() + sql.size()).trimmed().isEmpty())
        throw DbError(SQLITE_ERROR, QStringLiteral("Characters found after end of SQL statement."), statement);
    bindValues(db, raw, statement, values);

    const int columnCount = sqlite3_column_count(raw);
    QStringList columnNames;
    for (int column = 0; column < columnCount; ++column)
        columnNames.append(QString::fromUtf8(sqlite3_column_name(raw, column)));
    auto table = std::make_shared<ResultTable>(std::move(columnNames));
    for (int step = sqlite3_step(raw); step != SQLITE_DONE; step = sqlite3_step(raw)) {
        if (step != SQLITE_ROW)
            throwEngineError(db, statement);
        for (int column = 0; column < columnCount; ++column) {
            if (!appendColumn(*table, raw, column))
                throw DbError(SQLITE_TOOBIG, QStringLiteral("The result is too large to hold."), statement);
        }
    }
    table->squeeze();
    return Recordset(std::move(table));
}

} // namespace tervala::rt
