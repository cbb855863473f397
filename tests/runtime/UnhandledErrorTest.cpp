// What runGuarded reports to the handler for each kind of failure.
#include "runtime/UnhandledError.h"

#include "TestSupport.h"
#include "runtime/DbError.h"
#include "runtime/FileError.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace tervala::rt;

TEST(UnhandledErrorTest, ReportsEachKindWithItsNumber)
{
    QStringList reports;
    setUnhandledErrorHandler(
        [&](const QString& number, const QString& message) { reports << number + ": " + message; });
    const struct {
        const char* kind;
        std::function<void()> body;
        QString expected;
    } cases[] = {
        { "DbError",
          [] { throw DbError(19, 2067, "UNIQUE constraint failed", "insert"); },
          "19: UNIQUE constraint failed" },
        { "FileError", [] { throw FileError("/data/ter.va", "Cannot open"); }, "75: Cannot open: /data/ter.va" },
        { "runtime_error", [] { throw std::runtime_error("broken"); }, "51: broken" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        reports.clear();
        runGuarded(c.body);
        EXPECT_EQ(reports, QStringList { c.expected });
    }
    setUnhandledErrorHandler({});
}
