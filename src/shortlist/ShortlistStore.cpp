// Lists of values travel as one JSON text that json_each unpacks, so a ranking or a partner's marks are written by
// one statement however long they are.
#include "shortlist/ShortlistStore.h"

#include "runtime/database/Connection.h"
#include "runtime/database/DbError.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tervala {

namespace {

const char* const Tables[] = {
    ("create table if not exists shortlist_partner_marks "
     "(partner text not null, nama text not null, asal text not null, jk text not null)"),
    "create table if not exists shortlist_ranking (name_key text primary key, position integer not null)",
    "create table if not exists shortlist_settings (key text primary key, value text not null)",
};

QString jsonText(const QJsonArray& array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<NameRow> nameRows(rt::Recordset rows)
{
    std::vector<NameRow> names;
    for (; !rows.eof(); rows.moveNext()) {
        const std::optional<Gender> jk = genderFromCode(rows.field(3).toString().toUpper());
        if (jk) // a row in neither list is on no shortlist
            names.push_back({ rows.field(0).toString(), rows.field(1).toString(), rows.field(2).toString(), *jk });
    }
    return names;
}

QStringList firstColumn(rt::Recordset rows)
{
    QStringList texts;
    for (; !rows.eof(); rows.moveNext())
        texts << rows.field(0).toString();
    return texts;
}

} // namespace

ShortlistStore::ShortlistStore(rt::Connection& connection)
    : m_connection(connection)
{
    for (const char* table : Tables)
        m_connection.execute(QString::fromLatin1(table));
}

std::vector<NameRow> ShortlistStore::myFavourites()
{
    return nameRows(m_connection.execute(
        QStringLiteral("select nama, arti, asal, jk from namabayi where fav=true order by nama, asal, jk")));
}

QStringList ShortlistStore::partners()
{
    return firstColumn(
        m_connection.execute(QStringLiteral("select distinct partner from shortlist_partner_marks order by partner")));
}

std::vector<NameRow> ShortlistStore::partnerRows(const QString& partner)
{
    // A mark names its row exactly as namabayi spelled it; a row without an origin is marked with an empty one.
    return nameRows(m_connection.execute(
        QStringLiteral("select n.nama, n.arti, n.asal, n.jk from shortlist_partner_marks as m join namabayi as n "
                       "on n.nama = m.nama and (n.asal = m.asal or (n.asal is null and m.asal = '')) and n.jk = m.jk "
                       "where m.partner = ? order by n.nama, n.asal, n.jk"),
        { partner }));
}

QStringList ShortlistStore::namesMarkedByPartners()
{
    return firstColumn(m_connection.execute(QStringLiteral("select distinct nama from shortlist_partner_marks")));
}

void ShortlistStore::replacePartner(const QString& partner, const std::vector<NameRow>& rows)
{
    QJsonArray marks;
    for (const NameRow& row : rows)
        marks.append(QJsonArray { row.nama, row.asal, genderCode(row.jk) });
    runTogether([&] {
        // Partners are told apart regardless of letter case, so "sam" replaces the marks of "Sam".
        for (const QString& stored : partners()) {
            if (stored.compare(partner, Qt::CaseInsensitive) == 0)
                removePartner(stored);
        }
        m_connection.execute(QStringLiteral("insert into shortlist_partner_marks (partner, nama, asal, jk) "
                                            "select distinct ?, json_extract(value, '$[0]'), "
                                            "json_extract(value, '$[1]'), json_extract(value, '$[2]') "
                                            "from json_each(?)"),
                             { partner, jsonText(marks) });
    });
}

void ShortlistStore::removePartner(const QString& partner)
{
    m_connection.execute(QStringLiteral("delete from shortlist_partner_marks where partner = ?"), { partner });
}

QStringList ShortlistStore::ranking()
{
    return firstColumn(
        m_connection.execute(QStringLiteral("select name_key from shortlist_ranking order by position, name_key")));
}

void ShortlistStore::storeRanking(const QStringList& order)
{
    runTogether([&] {
        m_connection.execute(QStringLiteral("delete from shortlist_ranking"));
        m_connection.execute(QStringLiteral("insert into shortlist_ranking (name_key, position) "
                                            "select value, key + 1 from json_each(?)"),
                             { jsonText(QJsonArray::fromStringList(order)) });
    });
}

QString ShortlistStore::setting(const QString& key)
{
    const rt::Recordset rows
        = m_connection.execute(QStringLiteral("select value from shortlist_settings where key = ?"), { key });
    return rows.eof() ? QString() : rows.field(0).toString();
}

void ShortlistStore::setSetting(const QString& key, const QString& value)
{
    m_connection.execute(QStringLiteral("insert into shortlist_settings (key, value) values (?, ?) "
                                        "on conflict (key) do update set value = excluded.value"),
                         { key, value });
}

void ShortlistStore::runTogether(const std::function<void()>& statements)
{
    m_connection.execute(QStringLiteral("begin"));
    try {
        statements();
    } catch (const rt::DbError&) {
        m_connection.execute(QStringLiteral("rollback"));
        throw;
    }
    m_connection.execute(QStringLiteral("commit"));
}

} // namespace tervala
