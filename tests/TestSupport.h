// Included by every test: GoogleTest, and readable QString values in its failure messages.
#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
