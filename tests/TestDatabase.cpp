#include "TestDatabase.h"

#include "runtime/Connection.h"

#include <QFile>

#include <stdexcept>

void createDatabaseFromSchema(const QString& filePath, const QString& schemaFileName)
{
    // SQLite takes a file of length zero for an empty database.
    QFile file(filePath);
    if (!file.open(QIODevice::NewOnly))
        throw std::runtime_error("cannot create " + filePath.toStdString());
    file.close();

    QFile schema(QStringLiteral(TERVALA_DATA_DIR "/") + schemaFileName);
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + schema.fileName().toStdString());
    tervala::rt::Connection connection;
    connection.open(QStringLiteral("provider=Microsoft.jet.oledb.4.0;data source=") + filePath + ';');
    QStringList lines = QString::fromUtf8(schema.readAll()).split('\n');
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("--")); });
    for (const QString& statement : lines.join('\n').split(';')) {
        if (!statement.trimmed().isEmpty())
            connection.execute(statement);
    }
}
