// The Jet dialect: the left( rename, the Unicode NOCASE order, and ucase/left/like as statements use them.
#include "runtime/JetDialect.h"

#include "SchemaDatabase.h"
#include "runtime/DbError.h"

using tervala::rt::compareNoCase;
using tervala::rt::DbError;
using tervala::rt::Recordset;
using tervala::rt::translateJetSql;

TEST(TranslateJetSql, RenamesOnlyTheLeftCall)
{
    const struct {
        QString statement;
        QString expected;
    } cases[] = {
        { QStringLiteral("select left(nama, 1) from t"), QStringLiteral("select jet_left(nama, 1) from t") },
        { QStringLiteral("select LEFT (nama,1),Left(arti,2)"),
          QStringLiteral("select jet_left (nama,1),jet_left(arti,2)") },
        { QStringLiteral("where ucase(left(nama,1))='A'"), QStringLiteral("where ucase(jet_left(nama,1))='A'") },
        { QStringLiteral("select 'left(' from t"), QStringLiteral("select 'left(' from t") },
        { QStringLiteral("where a = 'O''Neil left(x)' or left(a,1)='x'"),
          QStringLiteral("where a = 'O''Neil left(x)' or jet_left(a,1)='x'") },
        { QStringLiteral("select \"left(\", [left (a)] from t"),
          QStringLiteral("select \"left(\", [left (a)] from t") },
        { QStringLiteral("select bleft(x), leftover(x), left_(x)"),
          QStringLiteral("select bleft(x), leftover(x), left_(x)") },
        { QStringLiteral("select * from a left join b on a.x=b.x"),
          QStringLiteral("select * from a left join b on a.x=b.x") },
        { QStringLiteral("select 'unclosed left("), QStringLiteral("select 'unclosed left(") },
        { QStringLiteral("left"), QStringLiteral("left") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement.toStdString());
        EXPECT_EQ(translateJetSql(c.statement), c.expected);
    }
}

TEST(CompareNoCase, OrdersByBaseLettersThenByCase)
{
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        { "Zoë", "ZOË", 0 },      { "abel", "ABEL", 0 },     { "", "", 0 },          { "Zoe", "Zoë", -1 },
        { "Angel", "Ángel", -1 }, { "Ángel", "Angela", -1 }, { "Ángel", "Bob", -1 }, { "Ángel", "Zoe", -1 },
        { "abé", "abf", -1 },     { "ABÉ", "abe", 1 },       { "ab", "abé", -1 },    { "Éa", "eb", -1 },
        { "abc", "ABD", -1 },     { "abc", "ab", 1 },        { "", "a", -1 },        { "a_", "aZ", -1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(compareNoCase(c.a, c.b), c.expected);
        EXPECT_EQ(compareNoCase(c.b, c.a), -c.expected);
    }
}

class JetDialectTest : public SchemaDatabase {
protected:
    void SetUp() override
    {
        SchemaDatabase::SetUp();
        insertNames({
            { QStringLiteral("Zoë"), QStringLiteral("life") },
            { QStringLiteral("ZOË"), QString() },
            { QStringLiteral("Zoe"), QStringLiteral("Life") },
            { QStringLiteral("Ángel"), QStringLiteral("messenger") },
            { QStringLiteral("Angela"), QString() },
            { QStringLiteral("abel"), QStringLiteral("breath") },
            { QStringLiteral("Abel"), QStringLiteral("") },
            { QStringLiteral("Bob"), QStringLiteral("bright fame") },
        });
    }
};

TEST_F(JetDialectTest, TextColumnsIgnoreLetterCaseBeyondAscii)
{
    EXPECT_EQ(column(QStringLiteral("select count(*) from namabayi where nama = 'zoë'")),
              QStringList { QStringLiteral("2") });
    EXPECT_EQ(column(QStringLiteral("select count(distinct nama) from namabayi where nama like 'z%'")),
              QStringList { QStringLiteral("2") });
    EXPECT_EQ(column(QStringLiteral("select count(*) from namabayi group by nama order by nama")),
              (QStringList { QStringLiteral("2"),
                             QStringLiteral("1"),
                             QStringLiteral("1"),
                             QStringLiteral("1"),
                             QStringLiteral("1"),
                             QStringLiteral("2") }));
    const QStringList ordered = column(QStringLiteral("select ucase(nama) from namabayi order by nama"));
    EXPECT_EQ(ordered,
              (QStringList { QStringLiteral("ABEL"),
                             QStringLiteral("ABEL"),
                             QStringLiteral("ÁNGEL"),
                             QStringLiteral("ANGELA"),
                             QStringLiteral("BOB"),
                             QStringLiteral("ZOE"),
                             QStringLiteral("ZOË"),
                             QStringLiteral("ZOË") }));
}

TEST_F(JetDialectTest, LikeUsesJetWildcardsAndClasses)
{
    const struct {
        QString pattern;
        QStringList expected;
    } cases[] = {
        { QStringLiteral("a%"), { QStringLiteral("Angela"), QStringLiteral("abel"), QStringLiteral("Abel") } },
        { QStringLiteral("á%"), { QStringLiteral("Ángel") } },
        { QStringLiteral("%Ë"), { QStringLiteral("Zoë"), QStringLiteral("ZOË") } },
        { QStringLiteral("_ob"), { QStringLiteral("Bob") } },
        { QStringLiteral("zo_"), { QStringLiteral("Zoë"), QStringLiteral("ZOË"), QStringLiteral("Zoe") } },
        { QStringLiteral("b_"), {} },
        { QStringLiteral("%e%a"), { QStringLiteral("Angela") } },
        { QStringLiteral("[a-b]%l"), { QStringLiteral("abel"), QStringLiteral("Abel") } },
        { QStringLiteral("[!a-y]%"),
          { QStringLiteral("Zoë"), QStringLiteral("ZOË"), QStringLiteral("Zoe"), QStringLiteral("Ángel") } },
        { QStringLiteral("[]b[o-]b"), { QStringLiteral("Bob") } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString());
        EXPECT_EQ(column(QStringLiteral("select nama from namabayi where nama like '%1'").arg(c.pattern)), c.expected);
    }
}

TEST_F(JetDialectTest, NullNeverMatches)
{
    EXPECT_EQ(column(QStringLiteral("select count(*) from namabayi where arti like '%%'")),
              QStringList { QStringLiteral("6") });
    EXPECT_EQ(column(QStringLiteral("select count(*) from namabayi where not (arti like '%')")),
              QStringList { QStringLiteral("0") });
    EXPECT_EQ(column(QStringLiteral("select nama like null from namabayi where nama = 'Bob'")),
              QStringList { QStringLiteral("NULL") });
}

TEST_F(JetDialectTest, UnclosedBracketFailsTheStatement)
{
    try {
        m_connection.execute(QStringLiteral("select nama from namabayi where nama like '[ab%'"));
        FAIL() << "an unclosed [ was accepted";
    } catch (const DbError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Invalid pattern string"));
    }
    EXPECT_THROW(m_connection.execute(QStringLiteral("select nama from namabayi where nama like '[z-a]'")), DbError);
}

TEST_F(JetDialectTest, UcaseAndLeft)
{
    EXPECT_EQ(column(QStringLiteral("select nama from namabayi where ucase(left(nama,1))='A' and nama like '%l'")),
              (QStringList { QStringLiteral("abel"), QStringLiteral("Abel") }));
    Recordset row
        = m_connection.execute(QStringLiteral("select ucase('zoë é'), LEFT ('Ángel', 2), ucase(null), left(null, 1)"));
    EXPECT_EQ(row.field(0).toString(), QStringLiteral("ZOË É"));
    EXPECT_EQ(row.field(1).toString(), QStringLiteral("Án"));
    EXPECT_TRUE(row.field(2).isNull());
    EXPECT_TRUE(row.field(3).isNull());
}
