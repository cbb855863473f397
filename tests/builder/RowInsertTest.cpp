// The row insert: which values are trimmed and quoted, and the gender's first character.
#include "builder/RowInsert.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

namespace {

TEST(RowInsert, QuotingAndTrimming)
{
    const struct {
        StagingRow row;
        QString expected;
    } cases[] = {
        { { "Abel", "breath", "Hebrew", "M" }, "VALUES('Abel','breath','Hebrew','M')" },
        { { " O'Neil ", " it's ", "  Irish  ", "Male" }, "VALUES('O''Neil','it''s','Irish','M')" },
        { { "\tAbel\t", "", "", "" }, "VALUES('\tAbel\t','','','')" },
        { { "''", "x", "O'Hara", "'" }, "VALUES('''''','x','O'Hara',''')" },
        { { "Abel", "a", "b", " M" }, "VALUES('Abel','a','b',' ')" },
        { { "   ", "   ", "   ", "   " }, "VALUES('','','',' ')" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(composeRowInsert("bayi20000", c.row), "insert into bayi20000(nama,arti,asal,jk) " + c.expected);
    }
}

} // namespace
