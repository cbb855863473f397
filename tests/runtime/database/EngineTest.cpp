// The database engine as the program's statements see it: one statement per call, rows copied when the query
// runs, changes on disk when execute() returns, one trace line per statement; the Jet dialect (left( renamed
// outside literals, NUL in literals, letter case ignored beyond ASCII in comparison and order, like's classes and
// wildcards).
#include "TestDatabase.h"
#include "runtime/database/DbError.h"
#include "runtime/database/JetDialect.h"
#include "runtime/database/JetPattern.h"
#include "runtime/database/SqlTrace.h"

#include <QList>

#include <algorithm>

using namespace tervala::rt;

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QList<QStringList> rows = {
            { "Zoë", "life" },       { "ZOË", QString() }, { "Zoe", "Life" },    { "Ángel", "messenger" },
            { "Angela", QString() }, { "abel", "" },       { "Bob", "left(x)" },
        };
        m_db.insert("namabayi", "nama,arti", rows);
    }

    TestDatabase m_db { "ter.va", "ter.va.sql" };
};

TEST_F(Engine, RecordsetsKeepTheirRowsWhileChangesReachTheFileAtOnce)
{
    Recordset first = m_db.execute("select nama, fav from namabayi where nama in ('abel', 'Bob') order by nama");
    m_db.execute("update namabayi set fav = true where nama = 'Bob'");
    EXPECT_EQ(m_db.plain("select nama from namabayi where fav"), QStringList { "Bob" });
    first.moveNext();
    EXPECT_EQ(first.field("nama").toString() + first.field("fav").toString(), QString("Bob0"));
    const QString statement = "a\\b\nc\r\td 'ë'\\n";
    const QByteArray line = sqlTraceLine("t", statement);
    EXPECT_EQ(line, QByteArray("t\ta\\\\b\\nc\\r\\td '\xc3\xab'\\\\n\n"));
    EXPECT_EQ(statementsOfSqlTrace(line + sqlTraceLine("u", "select 1")), QStringList({ statement, "select 1" }));
}

// A sole reader gives back the rows behind it as it goes; neither it nor a copy behind it may lose a row.
TEST_F(Engine, LongResultsReadWholeWhileTheRowsBehindGoBack)
{
    const QString sql = "with recursive n(i) as (select 1 union all select i + 1 from n where i < 100000) "
                        "select i, 'name ' || i as nama, null as arti from n";
    Recordset sole = m_db.execute(sql);
    Recordset shared = m_db.execute(sql);
    Recordset behind = shared;
    qlonglong i = 1;
    for (; !sole.eof(); sole.moveNext(), shared.moveNext(), ++i) {
        ASSERT_EQ(sole.field(0).toLongLong(), i);
        ASSERT_EQ(sole.field("nama").toString(), "name " + QString::number(i));
        ASSERT_EQ(shared.fieldUtf8(1), ("name " + QString::number(i)).toUtf8());
    }
    EXPECT_EQ(i, 100001);
    EXPECT_TRUE(shared.eof());
    for (i = 1; !behind.eof(); behind.moveNext(), ++i)
        ASSERT_EQ(behind.field("nama").toString(), "name " + QString::number(i));
    EXPECT_EQ(i, 100001);
}

// Integers are held in the fewest bytes that hold them; each must come back whole, sign and all.
TEST_F(Engine, IntegersComeBackWholeFromEverySize)
{
    const qlonglong values[] = { 0,          -1,          127,        -128,          128,
                                 -129,       32767,       -32768,     32768,         -32769,
                                 2147483647, -2147483648, 2147483648, -2147483649LL, 9223372036854775807LL };
    QStringList selects;
    for (const qlonglong value : values)
        selects << QString("select %1 as v, 'x' as t").arg(value);
    Recordset rows = m_db.execute(selects.join(" union all "));
    for (const qlonglong value : values) {
        ASSERT_FALSE(rows.eof());
        EXPECT_EQ(rows.field("v").toLongLong(), value);
        EXPECT_EQ(rows.fieldUtf8(1), QByteArray("x"));
        rows.moveNext();
    }
    EXPECT_TRUE(rows.eof());
}

// The flag read of a list row must agree with the general one for every kind of value.
TEST_F(Engine, FieldIsTrueAgreesWithTheFieldReadAsABoolean)
{
    Recordset rows = m_db.execute("select null union all select 0 union all select 1 union all select -300 "
                                  "union all select 70000 union all select 0.0 union all select 2.5 union all "
                                  "select 'true' union all select 'false' union all select '0' union all select ''");
    for (int row = 0; !rows.eof(); rows.moveNext(), ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(rows.fieldIsTrue(0), rows.field(0).toBool());
    }
}

TEST_F(Engine, RefusesASecondStatementAfterASemicolon)
{
    const QString twoStatements = "update namabayi set fav = true; delete from namabayi";
    try {
        m_db.execute(twoStatements);
        ADD_FAILURE() << "a second statement after ; was run";
    } catch (const DbError& error) {
        EXPECT_EQ(error.statement(), twoStatements);
    }
    EXPECT_EQ(m_db.rows("select count(*) from namabayi where not fav; \n "), QStringList { "7" });
}

TEST_F(Engine, StatementsInTheJetDialect)
{
    EXPECT_EQ(m_db.rows("select ucase(nama) from namabayi order by nama"),
              QStringList({ "ABEL", "ÁNGEL", "ANGELA", "BOB", "ZOE", "ZOË", "ZOË" }));
    const QString nul = QString("A") + QChar(0) + "b'c";
    m_db.insert("namabayi", "nama,arti", { { nul, "x" } });
    const std::pair<QString, QStringList> cases[] = {
        { "nama = 'zoë'", { "Zoë", "ZOË" } },
        { "nama like '%Ë'", { "Zoë", "ZOË" } },
        { "nama like '[!a-y]%'", { "Zoë", "ZOË", "Zoe", "Ángel" } },
        { "arti like '%'", { "Zoë", "Zoe", "Ángel", "abel", "Bob", nul } },
        { "not (arti like '%')", {} },
        { "ucase(LEFT (nama,1))='A'", { "Angela", "abel", nul } },
        { "arti = 'left(x)'", { "Bob" } },
        { "nama = 'A' || char(0) || 'b''c'", { nul } },
    };
    for (const auto& [condition, expected] : cases)
        EXPECT_EQ(m_db.rows("select nama from namabayi where " + condition), expected) << condition.toStdString();
    EXPECT_THROW(m_db.rows("select nama from namabayi where nama like '[ab%'"), DbError);
    EXPECT_EQ(m_db.rows("select ucase('zoë é'), ucase('`az{'), left('Ángel', 2), left(null, 1)", 4),
              QStringList { "ZOË É|`AZ{|Án|NULL" });
}

TEST(CompareNoCase, CaseBlindWithPrefixesFirst)
{
    const std::tuple<const char*, const char*, int> cases[] = {
        { "Ann", "Anna", -1 }, { "anna", "ANN", 1 },      { "", "a", -1 },          { "a", "", 1 },
        { "AZ", "az", 0 },     { "abel", "ABEL", 0 },     { "Abel", "abem", -1 },   { "@", "`", -1 },
        { "Zoë", "ZOË", 0 },   { "Zoë", "Zoëy", -1 },     { "ZOËY", "zoë", 1 },     { "Zoe", "Zoë", -1 },
        { "Zoë", "Zoeb", -1 }, { "Ángel", "Angela", -1 }, { "Angela", "Ángel", 1 }, { "abel", "Ángel", -1 },
    };
    for (const auto& [a, b, order] : cases)
        EXPECT_EQ(compareNoCase(a, b), order) << a << " / " << b;
}

// The order is defined on Unicode texts; the byte-level and table-driven shortcuts must agree with it on every
// pair, including characters whose keys are longer than one unit, marks written apart and broken UTF-8.
TEST(CompareNoCase, AgreesWithItsUnicodeDefinition)
{
    const auto definition = [](const QByteArray& a, const QByteArray& b) {
        const auto base = [](const QString& text) {
            QString decomposed = text.normalized(QString::NormalizationForm_D);
            decomposed.removeIf([](QChar c) { return c.isMark(); });
            return decomposed.toCaseFolded();
        };
        const QString x = QString::fromUtf8(a);
        const QString y = QString::fromUtf8(b);
        const int order = base(x).compare(base(y));
        const int folded = order != 0 ? order : x.toCaseFolded().compare(y.toCaseFolded());
        return (folded > 0) - (folded < 0);
    };
    // Separated by blanks, the empty text first.
    const QList<QByteArray> texts
        = QByteArray(" a A ab Abel \xc3\xa1 \xc3\x81ngel Angel angel Ange\xcc\x81l Stra\xc3\x9f"
                     "e STRASSE strasse \xc4\xb0 i \xc4\xb1 \xc5\xbf s \xc2\xb5 \xce\xbc \xc7\x85 \xc7\x84 \xc3\xb8 o"
                     " \xc3\x98 \xc3\xa6 ae \xe4\xb8\x80 \xc3 \xc3( \xe0\x80\x80 Zo\xc3\xab ZO\xc3\x8b Zoe\xcc\x88"
                     " \xcc\x81 a\xcc\x81\xcc\xa3 a\xcc\xa3\xcc\x81 \xcd\x84 \xc9\x90")
              .split(' ');
    for (const QByteArray& a : texts) {
        for (const QByteArray& b : texts) {
            SCOPED_TRACE((a.toHex() + " / " + b.toHex()).toStdString());
            EXPECT_EQ(compareNoCase(a, b), definition(a, b));
        }
    }
}

// Both ends of every class range, negation, letter case on the ASCII and the decoded path, and wildcards.
TEST(JetPattern, MatchesLikeJet)
{
    const std::tuple<const char*, const char*, bool> cases[] = {
        { "[b-d]", "b", true },      { "[b-d]", "d", true },   { "[b-d]", "a", false },  { "[b-d]", "e", false },
        { "[B-D]", "d", true },      { "[b-d]", "D", true },   { "[!b-d]", "b", false }, { "[!b-d]", "d", false },
        { "[!b-d]", "e", true },     { "[a-cx]", "x", true },  { "[-a]", "-", true },    { "[a-]", "-", true },
        { "[!]", "!", true },        { "a[]b", "ab", true },   { "[à-é]", "É", true },   { "[à-é]", "ê", false },
        { "@az%", "@AZ[", true },    { "%{", "@AZ[", false },  { "zoë", "ZOË", true },   { "z_e", "zoe", true },
        { "z_e", "ze", false },      { "%an%", "Anna", true }, { "%an", "Anna", false }, { "a%b%c", "aXbYbZc", true },
        { "a%b%c", "aXcYb", false }, { "%", "", true },
    };
    for (const auto& [pattern, text, matches] : cases) {
        SCOPED_TRACE(std::string(pattern) + " / " + text);
        const std::optional<JetPattern> compiled = JetPattern::compile(QString::fromUtf8(pattern));
        ASSERT_TRUE(compiled.has_value());
        EXPECT_EQ(compiled->matches(QString::fromUtf8(text)), matches);
        const QByteArrayView bytes(text);
        if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; })) {
            EXPECT_EQ(compiled->matchesAscii(bytes), matches);
        }
    }
    EXPECT_FALSE(JetPattern::compile("[ab%").has_value());
    EXPECT_FALSE(JetPattern::compile("[z-a]").has_value());
}
