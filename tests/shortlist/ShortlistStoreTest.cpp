// What the shortlist keeps beside namabayi, on a fresh name database: its tables made on first use, a partner's
// file looked up and stored apart from fav (replaced as a whole, removed), the ranking and the typed texts.
#include "shortlist/ShortlistStore.h"

#include "TestDatabase.h"
#include "shortlist/PartnerImport.h"

using namespace tervala;

namespace {

QString text(const std::vector<NameRow>& names)
{
    QStringList lines;
    for (const NameRow& name : names)
        lines << name.nama + "/" + name.asal + "/" + genderCode(name.jk);
    return lines.join(',');
}

// A record of a favourites file; an empty gender is none.
FavouriteRecord record(const QString& name, const QString& origin, const QString& gender)
{
    return { { name, {}, origin, genderFromCode(gender).value_or(Gender::Male) }, !gender.isEmpty() };
}

} // namespace

class ShortlistStoreTest : public ::testing::Test {
protected:
    ShortlistStoreTest()
    {
        m_db.insert("namabayi",
                    "nama,arti,asal,jk,fav",
                    { { "Aaron", "exalted", "Hebrew", "M", "1" },
                      { "Aaron", "mountain", "Arabic", "M", "0" },
                      { "Ariel", "lion of God", "Aramaic", "M", "0" },
                      { "Ariel", "lion of God", "Aramaic", "F", "0" },
                      { "A'isha", "alive", "Arabic", "F", "1" },
                      { "Cyrus", "sun", QString(), "M", "0" },
                      { "Zoë", "life", "Greek", "F", "0" } });
    }

    // Every row of namabayi with its mark, read without the program's functions.
    QStringList namabayi() const
    {
        return m_db.plain(
            "select nama || '/' || ifnull(asal, '') || '/' || jk || '/' || fav from namabayi order by rowid");
    }

    TestDatabase m_db { "ter.va", "ter.va.sql" };
};

TEST_F(ShortlistStoreTest, TablesAreMadeOnFirstUseAndNamabayiStaysAsItWas)
{
    const auto schema = [&] { return m_db.plain("select name from sqlite_master where type = 'table' order by 1"); };
    const QString namabayiSql = "select sql from sqlite_master where name = 'namabayi'";
    const QStringList before = m_db.plain(namabayiSql);
    EXPECT_EQ(schema(), QStringList({ "namabayi" }));
    ShortlistStore(m_db.connection());
    EXPECT_EQ(schema(),
              QStringList({ "namabayi", "shortlist_partner_marks", "shortlist_ranking", "shortlist_settings" }));
    // A second store finds the tables there.
    ShortlistStore store(m_db.connection());
    EXPECT_EQ(text(store.myFavourites()), QString("A'isha/Arabic/F,Aaron/Hebrew/M"));
    EXPECT_EQ(m_db.plain(namabayiSql), before);
}

TEST_F(ShortlistStoreTest, PartnersFileIsLookedUpAndStoredApartFromFav)
{
    ShortlistStore store(m_db.connection());
    const QStringList before = namabayi();
    // Case-blind; no gender finds both Ariels; an empty origin finds Cyrus; Aaron of Hebrew only; two unknown.
    const PartnerLookup lookup = lookUpPartnerNames(m_db.connection(),
                                                    { record("ariel", "aramaic", ""),
                                                      record("Cyrus", "", "M"),
                                                      record("Aaron", "Hebrew", "M"),
                                                      record("Aaron", "Hebrew", "M"),
                                                      record("Zoe", "Greek", "F"),
                                                      record("Aaron", "Hebrew", "F") });
    EXPECT_EQ(text(lookup.found), QString("Ariel/Aramaic/M,Ariel/Aramaic/F,Cyrus//M,Aaron/Hebrew/M"));
    EXPECT_EQ(text(lookup.notFound), QString("Zoe/Greek/F,Aaron/Hebrew/F"));
    EXPECT_EQ(partnerImportReport("Sam", lookup),
              QString("Sam's favourites: 4 names stored.\nNot in the name database: 2 names\n"
                      "Zoe (Greek), Aaron (Hebrew)"));

    store.replacePartner("Sam", lookup.found);
    EXPECT_EQ(store.partners(), QStringList({ "Sam" }));
    EXPECT_EQ(text(store.partnerRows("Sam")), QString("Aaron/Hebrew/M,Ariel/Aramaic/F,Ariel/Aramaic/M,Cyrus//M"));
    EXPECT_EQ(namabayi(), before);

    // Another partner is kept apart; the same partner in other letters replaces the marks as a whole.
    store.replacePartner("Alex", { { "Zoë", "", "Greek", Gender::Female } });
    store.replacePartner("sam", { { "Cyrus", "", "", Gender::Male } });
    EXPECT_EQ(store.partners(), QStringList({ "Alex", "sam" }));
    EXPECT_EQ(text(store.partnerRows("sam")), QString("Cyrus//M"));
    EXPECT_EQ(text(store.partnerRows("Sam")), QString());
    EXPECT_EQ(store.namesMarkedByPartners().size(), 2);
    store.removePartner("Alex");
    EXPECT_EQ(store.partners(), QStringList({ "sam" }));
    EXPECT_EQ(namabayi(), before);

    // The report lists ten unknown names and counts the rest.
    PartnerLookup many;
    for (int i = 1; i <= 12; ++i)
        many.notFound.push_back({ QString("N%1").arg(i), "", "O", Gender::Female });
    const QString report = partnerImportReport("Sam", many);
    EXPECT_TRUE(report.contains("N10 (O)") && !report.contains("N11") && report.endsWith(" and 2 more"))
        << report.toStdString();
}

TEST_F(ShortlistStoreTest, RankingAndSettingsAreKept)
{
    {
        ShortlistStore store(m_db.connection());
        EXPECT_EQ(store.ranking(), QStringList());
        store.storeRanking({ "zoë", "a'isha", "aaron" });
        store.storeRanking({ "a'isha", "zoë" });
        EXPECT_EQ(store.setting("surname"), QString());
        store.setSetting("surname", "O'Neil");
        store.setSetting("surname", "Smith");
    }
    ShortlistStore store(m_db.connection());
    EXPECT_EQ(store.ranking(), QStringList({ "a'isha", "zoë" }));
    EXPECT_EQ(store.setting("surname"), QString("Smith"));
    // A failing statement inside leaves the ranking as it was.
    EXPECT_ANY_THROW(store.storeRanking({ "a", "a" }));
    EXPECT_EQ(store.ranking(), QStringList({ "a'isha", "zoë" }));
}
