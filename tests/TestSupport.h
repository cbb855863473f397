// Helpers shared by the tests: readable QString values in failure messages.
#pragma once

#include <QString>
#include <QVariant>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QVariant& value, std::ostream* os)
{
    if (value.isNull())
        *os << "NULL";
    else
        *os << value.toString().toStdString();
}
