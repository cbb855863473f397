// What runGuarded reports for each kind of failure, and that a form's Form_Load runs guarded.
#include "runtime/UnhandledError.h"

#include "TestSupport.h"
#include "runtime/DbError.h"
#include "runtime/FileError.h"
#include "runtime/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

using namespace tervala::rt;

namespace {

struct Report {
    QString number;
    QString message;
};

class UnhandledErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUnhandledErrorHandler([this](const QString& number, const QString& message) {
            m_reports.push_back({ number, message });
        });
    }
    void TearDown() override { setUnhandledErrorHandler({}); }

    std::vector<Report> m_reports;
};

TEST_F(UnhandledErrorTest, ReportsEachKindWithItsNumber)
{
    const struct {
        const char* kind;
        std::function<void()> body;
        Report expected;
    } cases[] = {
        { "DbError",
          [] { throw DbError(19, 2067, "UNIQUE constraint failed: Names.Name", "insert into Names values ('Zoë')"); },
          { "19", "UNIQUE constraint failed: Names.Name" } },
        { "FileError", [] { throw FileError("/data/ter.va", "Cannot open"); }, { "75", "Cannot open: /data/ter.va" } },
        { "bad_alloc", [] { throw std::bad_alloc(); }, { "7", "Out of memory" } },
        { "runtime_error", [] { throw std::runtime_error("broken"); }, { "51", "broken" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        m_reports.clear();
        runGuarded(c.body);
        ASSERT_EQ(m_reports.size(), 1u);
        EXPECT_EQ(m_reports[0].number, c.expected.number);
        EXPECT_EQ(m_reports[0].message, c.expected.message);
    }
}

TEST_F(UnhandledErrorTest, FormLoadRunsGuarded)
{
    struct FailingForm : Form {
        FailingForm()
            : Form("Form2")
        {
        }
        void Form_Load() override { throw DbError(1, 1, "no such table: Names"); }
    } form;

    form.load();
    ASSERT_EQ(m_reports.size(), 1u);
    EXPECT_EQ(m_reports[0].number, QStringLiteral("1"));
}

} // namespace
