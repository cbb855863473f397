// The trace line format: one line per statement, breaks, tabs and backslashes escaped.
#include "runtime/SqlTrace.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using tervala::rt::sqlTraceLine;

TEST(SqlTrace, LineEscapesBreaksTabsAndBackslashes)
{
    const std::pair<QString, QByteArray> cases[] = {
        { "select * from namabayi", "ter.va\tselect * from namabayi\n" },
        { "a\\b\nc\r\nd\te", "ter.va\ta\\\\b\\nc\\r\\nd\\te\n" },
        { "where nama = 'Zoë'", "ter.va\twhere nama = 'Zo\xc3\xab'\n" },
    };
    for (const auto& [statement, expected] : cases) {
        SCOPED_TRACE(expected.toStdString());
        EXPECT_EQ(sqlTraceLine("ter.va", statement), expected);
    }
}
