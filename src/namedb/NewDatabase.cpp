// Plain SQLite: a new file needs none of the program's dialect, and the schema holds no statement of its actions.
#include "namedb/NewDatabase.h"

#include "runtime/hostfiles/FileError.h"

#include <QFile>

#include <sqlite3.h>

#include <memory>

namespace tervala {

void createDatabase(const QString& path, const QString& schemaPath)
{
    QFile script(schemaPath);
    if (!script.open(QIODevice::ReadOnly))
        throw rt::FileError(schemaPath, script.errorString());
    const QByteArray sql = script.readAll();
    if (QFile::exists(path))
        throw rt::FileError(path, QStringLiteral("The database file exists already"));

    sqlite3* raw = nullptr;
    const int rc
        = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close_v2);
    if (rc == SQLITE_OK && sqlite3_exec(raw, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
        return;
    const QString message = QString::fromUtf8(sqlite3_errmsg(raw));
    db.reset();
    QFile::remove(path);
    throw rt::FileError(path, message);
}

} // namespace tervala
