// Fresh databases for tests, made from the schema files the build uses, through the program's own connection.
#pragma once

#include <QString>

// Creates the database file at filePath (which must not exist) from data/<schemaFileName>.
void createDatabaseFromSchema(const QString& filePath, const QString& schemaFileName);
