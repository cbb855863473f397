// what() carries the message and the statement, so an uncaught error still says which text failed.
#include "runtime/database/DbError.h"

namespace tervala::rt {

namespace {

std::string describe(int code, const QString& message, const QString& statement)
{
    QString text = QStringLiteral("%1 (%2)").arg(message).arg(code);
    if (!statement.isEmpty())
        text += QStringLiteral(" in: ") + statement;
    return text.toStdString();
}

} // namespace

DbError::DbError(int code, const QString& message, const QString& statement)
    : std::runtime_error(describe(code, message, statement))
    , m_code(code)
    , m_message(message)
    , m_statement(statement)
{
}

} // namespace tervala::rt
