// The row insert: blanks trimmed but not tabs, name and meaning quoted but not origin, the gender's first character.
#include "builder/RowInsert.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tervala;

TEST(RowInsert, QuotingAndTrimming)
{
    const std::pair<StagingRow, QString> cases[] = {
        { { " O'Neil ", " it's ", "  Irish  ", "Male" }, "('O''Neil','it''s','Irish','M')" },
        { { "\tAbel\t", "", "O'Hara", "'" }, "('\tAbel\t','','O'Hara',''')" },
        { { "   ", "   ", "   ", " M" }, "('','','',' ')" },
    };
    for (const auto& [row, values] : cases) {
        SCOPED_TRACE(values.toStdString());
        EXPECT_EQ(composeRowInsert("bayi20000", row), "insert into bayi20000(nama,arti,asal,jk) VALUES" + values);
    }
}
