// The shortlist composed from marked rows: one entry per name whose marks say whose it is, the four filters, the
// ranking that keeps its order as names come and go, moves within it, and a name's US standing.
#include "shortlist/Shortlist.h"

#include "TestSupport.h"
#include "shortlist/UsStanding.h"

#include <QLocale>

using namespace tervala;

namespace {

// "name/origin/gender" rows.
std::vector<NameRow> rows(const QString& list)
{
    std::vector<NameRow> names;
    for (const QString& row : list.split(',', Qt::SkipEmptyParts)) {
        const QStringList f = row.split('/');
        names.push_back({ f[0], "meaning of " + f[0], f[1], genderFromCode(f[2]).value() });
    }
    return names;
}

// "rank name whose" of each entry that passes filter, whose being m (mine), p (the partner's) or b (both).
QString shown(const std::vector<ShortlistEntry>& entries, ShortlistFilter filter = ShortlistFilter::All)
{
    QStringList lines;
    for (const ShortlistEntry& entry : entries) {
        if (passesFilter(entry, filter))
            lines << QString("%1 %2 %3")
                         .arg(entry.rank)
                         .arg(entry.name)
                         .arg(entry.mine && entry.partners ? "b"
                                  : entry.mine             ? "m"
                                                           : "p");
    }
    return lines.join(", ");
}

} // namespace

TEST(Shortlist, OneEntryPerNameWithWhoseMarksItHas)
{
    // Ariel is marked as a boy by me and as a girl, spelled ARIEL, by the partner.
    const auto entries = composeShortlist(rows("Anna/Hebrew/F,Ariel/Aramaic/M,Aino/Finnish/F,Aaron/Hebrew/M"),
                                          rows("ARIEL/Aramaic/F,Anna/Hebrew/F,Bella/Italian/F"),
                                          { "bella", "anna", "aino" });
    EXPECT_EQ(shown(entries), QString("1 Bella p, 2 Anna b, 3 Aino m, 4 Ariel b, 5 Aaron m"));
    EXPECT_EQ(shown(entries, ShortlistFilter::Both), QString("2 Anna b, 4 Ariel b"));
    EXPECT_EQ(shown(entries, ShortlistFilter::OnlyMine), QString("3 Aino m, 5 Aaron m"));
    EXPECT_EQ(shown(entries, ShortlistFilter::OnlyPartners), QString("1 Bella p"));
    // Both rows of Ariel stay, under the first spelling; Anna is the same row for both of us.
    EXPECT_EQ(entries[3].rows.size(), 2u);
    EXPECT_EQ(entries[3].name, QString("Ariel"));
    EXPECT_EQ(entries[1].rows.size(), 1u);
    EXPECT_EQ(rowsOf({ entries[0], entries[3] }).size(), 3u);
    EXPECT_EQ(shown(composeShortlist({}, {}, { "anna" })), QString());
}

TEST(Shortlist, RankingKeepsItsOrderNewNamesJoinAtTheEndUnmarkedOnesLeave)
{
    const struct {
        const char* stored;
        const char* current;
        const char* order;
    } cases[] = {
        { "", "a,b", "a,b" },      { "b,a", "a,b", "b,a" },   { "b,a", "a,b,c", "b,a,c" },
        { "c,b,a", "a,c", "c,a" }, { "b,b,a", "a,b", "b,a" }, { "a,b", "", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " / " + c.current);
        const auto list = [](const char* text) { return QString(text).split(',', Qt::SkipEmptyParts); };
        EXPECT_EQ(rankedOrder(list(c.stored), list(c.current)).join(','), QString(c.order));
    }
    EXPECT_EQ(keysOf({ "Bella", "anna", "ANNA", "Zoë" }), QStringList({ "anna", "bella", "zoë" }));
}

TEST(Shortlist, MovesPutANameBeforeOrAfterAnother)
{
    const QStringList order = { "a", "b", "c", "d" };
    EXPECT_EQ(moveInOrder(order, "c", "b", Place::Before).join(','), QString("a,c,b,d"));
    EXPECT_EQ(moveInOrder(order, "b", "c", Place::After).join(','), QString("a,c,b,d"));
    EXPECT_EQ(moveInOrder(order, "a", "d", Place::After).join(','), QString("b,c,d,a"));
    EXPECT_EQ(moveInOrder(order, "d", "a", Place::Before).join(','), QString("d,a,b,c"));
    // Past names a filter hides.
    EXPECT_EQ(moveInOrder(order, "d", "b", Place::Before).join(','), QString("a,d,b,c"));
    EXPECT_EQ(moveInOrder(order, "b", "b", Place::Before), order);
    EXPECT_EQ(moveInOrder(order, "x", "b", Place::Before), order);
    EXPECT_EQ(moveInOrder(order, "b", "x", Place::After), order);
}

TEST(UsStanding, RankInTheLastYearAndItsTrendOverTenYears)
{
    const struct {
        QList<YearCount> history;
        const char* text;
    } cases[] = {
        { { { 2014, 900, 80 }, { 2024, 2345, 34 } }, "#34, rising" },
        { { { 2014, 9000, 3 }, { 2024, 2345, 1020 } }, "#1,020, falling" },
        { { { 2014, 900, 34 }, { 2020, 1, 1 }, { 2024, 900, 34 } }, "#34, steady" },
        { { { 2024, 5, 19000 } }, "#19,000, rising" },
        { { { 2014, 5, 19000 } }, "not ranked, falling" },
        { { { 2015, 5, 19000 }, { 2023, 5, 100 } }, "not ranked" },
        { {}, "not ranked" },
    };
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(usStandingText(usStanding(c.history, 2024)), QString(c.text));
    }
    QLocale::setDefault(QLocale::system());
}
