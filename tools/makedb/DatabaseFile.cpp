// Values are bound, never written into SQL text. The tool does not install the program's NOCASE collation;
// it needs none, since it compares names exactly.
#include "tools/makedb/DatabaseFile.h"

#include "namedb/NewDatabase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <QtEndian>

#include <sqlite3.h>

#include <stdexcept>

namespace tervala::makedb {

namespace {

struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

QString columnText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, column)) : QString();
}

} // namespace

void DatabaseFile::CloseDatabase::operator()(sqlite3* db) const
{
    sqlite3_close_v2(db);
}

DatabaseFile::DatabaseFile(const QString& path, int openFlags)
    : m_path(path)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, openFlags, nullptr);
    m_db.reset(db);
    if (rc != SQLITE_OK)
        fail();
    execute("select count(*) from sqlite_master");
}

DatabaseFile DatabaseFile::create(const QString& path, const QString& schemaPath)
{
    createDatabase(path, schemaPath);
    return DatabaseFile(path, SQLITE_OPEN_READWRITE);
}

DatabaseFile DatabaseFile::openExisting(const QString& path)
{
    return DatabaseFile(path, SQLITE_OPEN_READWRITE);
}

int DatabaseFile::addMissingNames(const std::vector<NameRow>& rows)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), "select nama, asal, jk from namabayi", -1, &raw, nullptr) != SQLITE_OK)
        fail();
    Statement select(raw);
    QSet<QString> existing; // nama, asal and jk, each followed by a tab, which none of them holds
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW)
        existing.insert(columnText(raw, 0) + u'\t' + columnText(raw, 1) + u'\t' + columnText(raw, 2) + u'\t');
    if (step != SQLITE_DONE)
        fail();
    select.reset();

    const char* insertSql = "insert into namabayi (nama, jk, asal, arti) values (?1, ?2, ?3, ?4)";
    if (sqlite3_prepare_v2(m_db.get(), insertSql, -1, &raw, nullptr) != SQLITE_OK)
        fail();
    Statement insert(raw);
    int added = 0;
    execute("begin");
    for (const NameRow& row : rows) {
        if (existing.contains(row.nama + u'\t' + row.asal + u'\t' + row.jk + u'\t'))
            continue;
        const QString values[] = { row.nama, row.jk, row.asal, row.arti };
        for (int i = 0; i < 4; ++i) {
            const QByteArray utf8 = values[i].toUtf8();
            const int rc = values[i].isNull()
                ? sqlite3_bind_null(raw, i + 1)
                : sqlite3_bind_text(raw, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            if (rc != SQLITE_OK)
                fail();
        }
        if (sqlite3_step(raw) != SQLITE_DONE)
            fail();
        sqlite3_reset(raw);
        ++added;
    }
    execute("commit");
    return added;
}

void DatabaseFile::stampSampleMark(const QString& namesPath)
{
    QFile names(namesPath);
    if (!names.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("%1: %2").arg(namesPath, names.errorString()).toStdString());
    const QByteArray digest = QCryptographicHash::hash(names.readAll(), QCryptographicHash::Sha256);
    // Positive, since a user_version of 0 stands for a file no sample was stamped on.
    const quint32 mark = qMax(1u, qFromBigEndian<quint32>(digest.constData()) & 0x7fffffffu);
    execute(("pragma user_version = " + QByteArray::number(mark)).constData());
}

void DatabaseFile::execute(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db.get(), sql, nullptr, nullptr, &message) == SQLITE_OK)
        return;
    const QString text = QString::fromUtf8(message);
    sqlite3_free(message);
    throw std::runtime_error(QStringLiteral("%1: %2").arg(m_path, text).toStdString());
}

void DatabaseFile::fail() const
{
    throw std::runtime_error(
        QStringLiteral("%1: %2").arg(m_path, QString::fromUtf8(sqlite3_errmsg(m_db.get()))).toStdString());
}

} // namespace tervala::makedb
