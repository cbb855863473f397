#include "bench/RawDatabase.h"

#include "runtime/database/OpenSettings.h"

#include <sqlite3.h>

#include <stdexcept>

namespace tervala::bench {

void RawDatabase::CloseDatabase::operator()(sqlite3* db) const
{
    sqlite3_close_v2(db);
}

void RawDatabase::FinalizeStatement::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

RawDatabase::RawDatabase(const QString& path)
    : m_path(path)
{
    sqlite3* db = nullptr;
    rt::leaveOutMemoryStatistics();
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, rt::OpenFlags, nullptr);
    m_db.reset(db);
    if (rc != SQLITE_OK)
        fail({});
    executeScript(rt::PageCacheSize);
}

RawDatabase::~RawDatabase() = default;

void RawDatabase::executeScript(const QByteArray& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db.get(), sql.constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return;
    const QString text = QString::fromUtf8(message);
    sqlite3_free(message);
    throw std::runtime_error(QStringLiteral("%1: %2: %3").arg(m_path, text, QString::fromUtf8(sql)).toStdString());
}

qint64 RawDatabase::stepAll(const QString& statement)
{
    const QByteArray sql = statement.toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        fail(statement);
    const std::unique_ptr<sqlite3_stmt, FinalizeStatement> prepared(raw);
    const int columns = sqlite3_column_count(raw);
    qint64 rows = 0;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        ++rows;
        for (int column = 0; column < columns; ++column) {
            switch (sqlite3_column_type(raw, column)) {
            case SQLITE_INTEGER:
                sqlite3_column_int64(raw, column);
                break;
            case SQLITE_FLOAT:
                sqlite3_column_double(raw, column);
                break;
            case SQLITE_NULL:
                break;
            default:
                sqlite3_column_text(raw, column);
                sqlite3_column_bytes(raw, column);
            }
        }
    }
    if (step != SQLITE_DONE)
        fail(statement);
    return rows;
}

void RawDatabase::insertName(const SyntheticName& row)
{
    if (!m_insert) {
        sqlite3_stmt* raw = nullptr;
        const char* sql = "insert into namabayi(nama,arti,asal,jk,fav) values(?1,?2,?3,?4,?5)";
        if (sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr) != SQLITE_OK)
            fail(QString::fromUtf8(sql));
        m_insert.reset(raw);
    }
    sqlite3_stmt* insert = m_insert.get();
    const QString texts[] = { row.nama, row.arti, row.asal, row.jk };
    for (int i = 0; i < 4; ++i) {
        const QByteArray utf8 = texts[i].toUtf8();
        if (sqlite3_bind_text(insert, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            fail(QStringLiteral("bind"));
    }
    if (sqlite3_bind_int(insert, 5, row.fav ? 1 : 0) != SQLITE_OK || sqlite3_step(insert) != SQLITE_DONE)
        fail(QStringLiteral("insert into namabayi"));
    sqlite3_reset(insert);
}

void RawDatabase::fail(const QString& statement) const
{
    QString message = QStringLiteral("%1: %2").arg(m_path, QString::fromUtf8(sqlite3_errmsg(m_db.get())));
    if (!statement.isEmpty())
        message += QStringLiteral(": ") + statement;
    throw std::runtime_error(message.toStdString());
}

} // namespace tervala::bench
