// The README's command that copies the builder's names into the name database, run as the sqlite3 tool runs it
// (plain SQLite, none of the program's functions): it adds only name-and-origin pairs ter.va lacks, so a second
// run adds nothing, and it leaves the rows already there, favourites included, as they were.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The SQL of the README line `sqlite3 build/ter.va "<sql>"`, whose first statement attaches the staging database.
QString readmeCopyStatements()
{
    QFile readme(QStringLiteral(TERVALA_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression command(QStringLiteral(R"re(^\s*sqlite3 build/ter\.va "(attach [^"]*)"\s*$)re"),
                                     QRegularExpression::MultilineOption);
    return command.match(QString::fromUtf8(readme.readAll())).captured(1);
}

class Database {
public:
    explicit Database(const QString& path) { sqlite3_open(path.toUtf8().constData(), &m_db); }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs statements; returns SQLite's error message, empty on success.
    QString run(const QString& statements)
    {
        char* message = nullptr;
        sqlite3_exec(m_db, statements.toUtf8().constData(), nullptr, nullptr, &message);
        const QString error = QString::fromUtf8(message ? message : "");
        sqlite3_free(message);
        return error;
    }
    // Each row as "nama|asal|jk|fav|arti", in that order, nulls as "NULL".
    QStringList names()
    {
        QStringList rows;
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db,
                           "select nama, asal, jk, fav, arti from namabayi order by rowid",
                           -1,
                           &statement,
                           nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList fields;
            for (int i = 0; i < 5; ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                fields << (text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QStringLiteral("NULL"));
            }
            rows << fields.join(u'|');
        }
        sqlite3_finalize(statement);
        return rows;
    }

private:
    sqlite3* m_db = nullptr;
};

QString schema(const char* fileName)
{
    QFile file(QStringLiteral(TERVALA_SOURCE_DIR "/data/") + QLatin1String(fileName));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(ReadmeCopy, AddsOnlyMissingNameAndOriginPairsAndKeepsFavourites)
{
    QString statements = readmeCopyStatements();
    ASSERT_FALSE(statements.isEmpty()) << "README.md has no line: sqlite3 build/ter.va \"attach ...\"";
    QTemporaryDir folder;
    const QString staging = folder.filePath("db17000.mdb");
    statements.replace(QStringLiteral("'build/db17000.mdb'"), "'" + staging + "'");

    {
        Database builder(staging);
        ASSERT_EQ(builder.run(schema("db17000.sql")), QString());
        ASSERT_EQ(builder.run("insert into namabayi(nama, arti, asal, jk) values"
                              " ('Adam', 'man of the earth', 'Hebrew', 'M'),"
                              " ('ADAM', 'another meaning', 'hebrew', 'M'),"
                              " ('Adam', 'red', 'Arabic', 'M'),"
                              " ('Noor', 'light', null, 'F'),"
                              " ('Zoe', 'life', 'Greek', 'F')"),
                  QString());
    }
    Database names(folder.filePath("ter.va"));
    ASSERT_EQ(names.run(schema("ter.va.sql")), QString());
    ASSERT_EQ(names.run("insert into namabayi(nama, arti, asal, jk, fav) values"
                        " ('Adam', 'man of the earth', 'Hebrew', 'M', 1), ('Zoe', 'life', 'Greek', 'F', 0)"),
              QString());

    const QStringList expected = {
        "Adam|Hebrew|M|1|man of the earth",
        "Zoe|Greek|F|0|life",
        "Adam|Arabic|M|0|red",
        "Noor|NULL|F|0|light",
    };
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_EQ(names.run(statements), QString());
        EXPECT_EQ(names.names(), expected);
        names.run("detach s");
    }
}
