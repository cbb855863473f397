// Failures of the database layer. The number is what the user sees in the error box, beside the message;
// the statement is kept so that a report can say which text the engine refused.
#pragma once

#include <QString>

#include <stdexcept>

namespace tervala::rt {

class DbError : public std::runtime_error {
public:
    DbError(int code, const QString& message, const QString& statement = {});

    int code() const { return m_code; }
    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

private:
    int m_code;
    QString m_message;
    QString m_statement;
};

} // namespace tervala::rt
