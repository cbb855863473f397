// The Jet dialect as statements use it: the left( rename, letter case ignored beyond ASCII in comparison and
// order, like's wildcards and nulls, "not" on a boolean.
#include "runtime/JetDialect.h"

#include "TestDatabase.h"
#include "TestSupport.h"
#include "runtime/DbError.h"

#include <gtest/gtest.h>

using tervala::rt::compareNoCase;
using tervala::rt::DbError;
using tervala::rt::translateJetSql;

TEST(TranslateJetSql, RenamesOnlyTheLeftCall)
{
    const std::pair<QString, QString> cases[] = {
        { "where ucase(LEFT (nama,1))='A'", "where ucase(jet_left (nama,1))='A'" },
        { "where a = 'O''Neil left(x)' or left(a,1)='x'", "where a = 'O''Neil left(x)' or jet_left(a,1)='x'" },
        { "select bleft(x), leftover(x) from a left join b", "select bleft(x), leftover(x) from a left join b" },
    };
    for (const auto& [statement, expected] : cases) {
        SCOPED_TRACE(statement.toStdString());
        EXPECT_EQ(translateJetSql(statement), expected);
    }
}

TEST(CompareNoCase, CaseBlindWithPrefixesFirst)
{
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        { "Ann", "Anna", -1 }, { "anna", "ANN", 1 },      { "", "a", -1 },          { "a", "", 1 },
        { "AZ", "az", 0 },     { "abel", "ABEL", 0 },     { "Abel", "abem", -1 },   { "@", "`", -1 },
        { "Zoë", "ZOË", 0 },   { "Zoë", "Zoëy", -1 },     { "ZOËY", "zoë", 1 },     { "Zoe", "Zoë", -1 },
        { "Zoë", "Zoeb", -1 }, { "Ángel", "Angela", -1 }, { "Angela", "Ángel", 1 }, { "abel", "Ángel", -1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(compareNoCase(c.a, c.b), c.order);
    }
}

TEST(TranslateJetSql, CarriesNulInLiteralsAsChar0)
{
    const auto withNul = [](QString text) { return text.replace('#', QChar(0)); };
    EXPECT_EQ(translateJetSql(withNul("VALUES('A#b','#','x')")),
              QString("VALUES('A'||char(0)||'b',''||char(0)||'','x')"));
    EXPECT_EQ(translateJetSql(withNul("select \"a#\" from [t#]")), withNul("select \"a#\" from [t#]"));
}

class JetDialectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.insert("namabayi",
                    "nama,arti",
                    { { "Zoë", "life" },
                      { "ZOË", QString() },
                      { "Zoe", "Life" },
                      { "Ángel", "messenger" },
                      { "Angela", QString() },
                      { "abel", "" },
                      { "Bob", "bright fame" } });
    }

    QStringList names(const QString& condition) { return m_db.rows("select nama from namabayi where " + condition); }

    TestDatabase m_db { "ter.va", "ter.va.sql" };
};

TEST_F(JetDialectTest, LetterCaseIgnoredBeyondAscii)
{
    EXPECT_EQ(names("nama = 'zoë'"), QStringList({ "Zoë", "ZOË" }));
    EXPECT_EQ(m_db.rows("select ucase(nama) from namabayi order by nama"),
              QStringList({ "ABEL", "ÁNGEL", "ANGELA", "BOB", "ZOE", "ZOË", "ZOË" }));
}

TEST_F(JetDialectTest, LikeWildcardsAndNulls)
{
    const std::pair<QString, QStringList> cases[] = {
        { "nama like 'a%'", { "Angela", "abel" } },
        { "nama like '%Ë'", { "Zoë", "ZOË" } },
        { "nama like 'zo_'", { "Zoë", "ZOË", "Zoe" } },
        { "nama like 'b_'", {} },
        { "nama like '[!a-y]%'", { "Zoë", "ZOË", "Zoe", "Ángel" } },
        { "arti like '%'", { "Zoë", "Zoe", "Ángel", "abel", "Bob" } },
        { "not (arti like '%')", {} },
    };
    for (const auto& [condition, expected] : cases) {
        SCOPED_TRACE(condition.toStdString());
        EXPECT_EQ(names(condition), expected);
    }
    EXPECT_THROW(names("nama like '[ab%'"), DbError);
}

TEST_F(JetDialectTest, NotFlipsFav)
{
    const QString flip = "update namabayi set fav = not fav where nama = 'Bob'";
    m_db.execute(flip);
    EXPECT_EQ(names("fav = true"), QStringList { "Bob" });
    m_db.execute(flip);
    EXPECT_EQ(names("fav = true"), QStringList());
}

TEST_F(JetDialectTest, UcaseAndLeft)
{
    EXPECT_EQ(names("ucase(left(nama,1))='A'"), QStringList({ "Angela", "abel" }));
    EXPECT_EQ(m_db.rows("select ucase('zoë é'), ucase('`az{'), left('Ángel', 2), left(null, 1)", 4),
              QStringList { "ZOË É|`AZ{|Án|NULL" });
}

TEST_F(JetDialectTest, NulInALiteralIsStoredAndFound)
{
    const QString name = QString("A") + QChar(0) + "b'c";
    m_db.execute("insert into namabayi(nama,arti) values('" + QString(name).replace("'", "''") + "','x')");
    EXPECT_EQ(m_db.rows("select nama from namabayi where arti = 'x'"), QStringList { name });
    EXPECT_EQ(names("nama = '" + QString(name).replace("'", "''") + "'"), QStringList { name });
}
