// A program folder in a temporary directory holding a "ter.va" with the given rows, for tests that open the
// browser window on it.
#pragma once

#include "runtime/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <vector>

struct NameRow {
    QString nama;
    QString arti;
    QString asal;
    QString jk;
    bool fav = false;
};

class NameDatabaseFolder {
public:
    explicit NameDatabaseFolder(const std::vector<NameRow>& rows);

    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("ter.va")); }
    // Runs a query on a connection of its own and returns the first column of every row, joined by "|".
    QString column(const QString& sql) const;

private:
    QTemporaryDir m_dir;
};
