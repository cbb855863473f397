// The shortlist window driven through the browser: it follows the browser's favourite changes, compares with a
// partner's file without touching fav, keeps a ranking made by keyboard or mouse across a restart, tries the
// family's names on the initials, exports and prints in rank order, and shows the US rank when it is known.
#include "ShortlistFixture.h"
#include "popularity/PopularitySource.h"
#include "shortlist/ShortlistView.h"

#include <QMimeData>

using namespace tervala;

using ShortlistWindowTest = ShortlistFixture;

TEST_F(ShortlistWindowTest, FavouritesAppearAndFollowTheBrowsersToggles)
{
    ShortlistWindow& window = openShortlist({ "Adam" });
    EXPECT_EQ(shown(), QStringList({ "Adam me" }));

    // Back in the browser, a click marks a girl's name; it joins at the end.
    activate(m_form.get());
    QTest::mouseClick(m_form->flex2->viewport(), Qt::LeftButton, {}, cellCentre(m_form->flex2, 2, 0));
    EXPECT_EQ(shown(), QStringList({ "Adam me", "Aino me" }));
    // Unmarked in the browser, a name leaves at once; Ctrl+Z brings it back, at the end.
    QTest::mouseClick(m_form->flex1->viewport(), Qt::LeftButton, {}, cellCentre(m_form->flex1, 3, 0));
    QTest::mouseDClick(m_form->flex1->viewport(), Qt::LeftButton, {}, cellCentre(m_form->flex1, 3, 0));
    EXPECT_EQ(shown(), QStringList({ "Aino me" }));
    m_form->flex1->setFocus();
    QTest::keyClick(m_form->flex1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringList({ "Aino me", "Adam me" }));
    // The browser's import adds to my own marks, and the shortlist follows it too.
    runEntry("importFavourites", "ours.csv", "Name,Origin\r\nBella,Italian\r\n");
    EXPECT_EQ(shown(), QStringList({ "Aino me", "Adam me", "Bella me" }));

    // The row menu's entry shows the same one window again.
    window.close();
    const std::unique_ptr<QMenu> menu = m_form->createGridMenu(m_form->flex1);
    QAction* entry = m_form->findChild<QAction*>("shortlist");
    ASSERT_TRUE(menu->actions().contains(entry));
    EXPECT_EQ(entry->shortcut(), QKeySequence("Ctrl+L"));
    entry->trigger();
    EXPECT_EQ(m_form->findChildren<ShortlistWindow*>().size(), 1);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ShortlistWindowTest, PartnersMarksAreComparedReplacedAndRemovedWithoutTouchingFav)
{
    ShortlistWindow& window = openShortlist({ "Adam", "Aino" });
    const QStringList ownMarks = favourites();
    prepareFile("sam.csv",
                "Name,Meaning,Origin,Gender\r\naino,,Finnish,F\r\nBella,,Italian,F\r\nNobody,,Nowhere,F\r\n");
    m_partnerName = "Sam";
    QTest::mouseClick(window.compareButton, Qt::LeftButton);
    EXPECT_EQ(m_told,
              QStringList({ "Sam's favourites: 2 names stored.\nNot in the name database: 1 name\n"
                            "Nobody (Nowhere)" }));
    EXPECT_EQ(favourites(), ownMarks);

    const auto filtered = [&](ShortlistFilter filter) {
        window.filterList->setCurrentIndex(int(filter));
        emit window.filterList->activated(int(filter));
        return shown();
    };
    EXPECT_EQ(filtered(ShortlistFilter::All), QStringList({ "Adam me", "Aino both", "Bella Sam" }));
    EXPECT_EQ(filtered(ShortlistFilter::Both), QStringList({ "Aino both" }));
    EXPECT_EQ(filtered(ShortlistFilter::OnlyMine), QStringList({ "Adam me" }));
    EXPECT_EQ(filtered(ShortlistFilter::OnlyPartners), QStringList({ "Bella Sam" }));
    EXPECT_EQ(window.filterList->currentText(), QString("Only Sam's"));

    // Again under the same name, in other letters: the new file replaces the old marks as a whole.
    prepareFile("sam2.csv", "Name,Origin\r\nBen,Hebrew\r\n");
    m_partnerName = "sam";
    QTest::mouseClick(window.compareButton, Qt::LeftButton);
    EXPECT_EQ(window.partnerList->count(), 1);
    EXPECT_EQ(filtered(ShortlistFilter::All), QStringList({ "Adam me", "Aino me", "Ben sam" }));

    QTest::mouseClick(window.removePartnerButton, Qt::LeftButton);
    EXPECT_EQ(window.partnerList->count(), 0);
    EXPECT_FALSE(window.removePartnerButton->isEnabled());
    EXPECT_EQ(filtered(ShortlistFilter::All), QStringList({ "Adam me", "Aino me" }));
    EXPECT_EQ(favourites(), ownMarks);

    // A file that is no favourites file stores nothing and asks no name.
    prepareFile("bad.csv", "Name,Origin\r\nAnna,\"Hebrew\r\n");
    m_partnerName.clear();
    m_told.clear();
    QTest::mouseClick(window.compareButton, Qt::LeftButton);
    ASSERT_EQ(m_told.size(), 1);
    EXPECT_TRUE(m_told[0].startsWith("warning: ")) << m_told[0].toStdString();
    EXPECT_EQ(window.partnerList->count(), 0);
}

TEST_F(ShortlistWindowTest, RankingByKeyboardAndMouseAndTheWindowsSizeSurviveARestart)
{
    {
        ShortlistWindow& window = openShortlist({ "Adam", "Aino", "Bella" });
        EXPECT_EQ(shown(), QStringList({ "Adam me", "Aino me", "Bella me" }));
        EXPECT_EQ(QApplication::focusWidget(), window.list);
        window.list->setCurrentIndex(window.model()->index(2, ShortlistModel::NameColumn));
        QTest::keyClick(window.list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(window.list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(window.list, Qt::Key_Up, Qt::AltModifier); // already first
        EXPECT_EQ(shown(), QStringList({ "Bella me", "Adam me", "Aino me" }));
        QTest::keyClick(window.list, Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(shown(), QStringList({ "Adam me", "Bella me", "Aino me" }));
        EXPECT_EQ(window.list->currentIndex().row(), 1);
        EXPECT_EQ(window.model()->index(1, ShortlistModel::RankColumn).data().toString(), QString("2"));
        closeAll();
    }
    ShortlistWindow& window = openShortlist();
    EXPECT_EQ(shown(), QStringList({ "Adam me", "Bella me", "Aino me" }));
    // Adam dragged onto the last row goes last.
    const std::unique_ptr<QMimeData> dragged(window.model()->mimeData({ window.model()->index(0, 1) }));
    const QPoint lastRow = window.list->visualRect(window.model()->index(2, ShortlistModel::NameColumn)).center();
    QDragEnterEvent enter(lastRow, Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.list->viewport(), &enter);
    QDragMoveEvent move(lastRow, Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.list->viewport(), &move);
    QDropEvent drop(lastRow, Qt::MoveAction, dragged.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(window.list->viewport(), &drop);
    EXPECT_EQ(shown(), QStringList({ "Bella me", "Aino me", "Adam me" }));
    EXPECT_EQ(window.model()->rowCount(), 3);

    // The window's size is kept with the ranking.
    window.resize(1000, 420);
    window.close();
    closeAll();
    ShortlistWindow& reopened = openShortlist();
    EXPECT_EQ(reopened.size(), QSize(1000, 420));
    EXPECT_EQ(shown(), QStringList({ "Bella me", "Aino me", "Adam me" }));
}

TEST_F(ShortlistWindowTest, SurnameAndMiddleNameGiveTheFullNameAndWarnOfTeasingInitials)
{
    ShortlistWindow& window = openShortlist({ "Adam", "Bella" });
    EXPECT_TRUE(window.list->isColumnHidden(ShortlistModel::FullNameColumn));
    QTest::keyClicks(window.surnameBox, "Smith");
    QTest::keyClicks(window.middleNameBox, "Sue");
    EXPECT_FALSE(window.list->isColumnHidden(ShortlistModel::InitialsColumn));
    const ShortlistModel& model = *window.model();
    const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
        return model.index(row, column).data(role).toString();
    };
    EXPECT_EQ(cell(0, ShortlistModel::FullNameColumn), QString("Adam Sue Smith"));
    EXPECT_EQ(cell(0, ShortlistModel::InitialsColumn), QString("ASS"));
    EXPECT_EQ(cell(0, ShortlistModel::InitialsColumn, Qt::ToolTipRole),
              QString("The initials spell \"ASS\", a word other children may tease with."));
    EXPECT_FALSE(model.index(0, ShortlistModel::InitialsColumn).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(cell(0, ShortlistModel::InitialsColumn, Qt::AccessibleTextRole).contains("warning"));
    EXPECT_EQ(cell(1, ShortlistModel::InitialsColumn, Qt::ToolTipRole), QString());
    EXPECT_TRUE(model.index(1, ShortlistModel::InitialsColumn).data(Qt::DecorationRole).isNull());

    // What was typed is there at the next start.
    closeAll();
    ShortlistWindow& again = openShortlist();
    EXPECT_EQ(again.surnameBox->text(), QString("Smith"));
    EXPECT_EQ(again.middleNameBox->text(), QString("Sue"));
    QTest::keyClick(again.surnameBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(again.surnameBox, Qt::Key_Delete);
    EXPECT_TRUE(again.list->isColumnHidden(ShortlistModel::FullNameColumn));
}

TEST_F(ShortlistWindowTest, ExportAndPrintTheShownNamesInRankOrder)
{
    ShortlistWindow& window = openShortlist({ "Adam", "Ariel" });
    window.list->setFocus();
    window.list->setCurrentIndex(window.model()->index(1, ShortlistModel::NameColumn));
    QTest::keyClick(window.list, Qt::Key_Up, Qt::AltModifier);
    prepareFile("ours");
    QTest::mouseClick(window.exportButton, Qt::LeftButton);
    EXPECT_EQ(m_told, QStringList({ "2 names written to " + m_fileName + ".csv." }));
    // Ariel is a boy's and a girl's name: both rows, first place.
    QStringList names;
    for (const FavouriteRecord& name : readFavouritesCsv(readFile(m_fileName + ".csv")))
        names << name.row.nama + " " + genderCode(name.row.jk);
    EXPECT_EQ(names, QStringList({ "Ariel F", "Ariel M", "Adam M" }));

    prepareFile("shortlist.pdf");
    QTest::mouseClick(window.printButton, Qt::LeftButton);
    EXPECT_EQ(readFile(m_fileName).left(5), "%PDF-");
}

// With popularity.db, a column tells each name's US rank in the file's last year and its trend over ten years, for
// each gender the name is marked as; without it the column is not shown.
TEST_F(ShortlistWindowTest, UsRankColumnShowsWithPopularityFile)
{
    {
        ShortlistWindow& window = openShortlist({ "Adam", "Ariel" });
        EXPECT_TRUE(window.list->isColumnHidden(ShortlistModel::UsRankColumn));
        closeAll();
    }
    importSourceRows(m_db.folder(),
                     { { 1, "adam", "M", 900, 80, 2014 },
                       { 2, "ariel", "M", 500, 200, 2014 },
                       { 3, "adam", "M", 2345, 34, 2024 },
                       { 4, "ariel", "F", 300, 500, 2024 } });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ShortlistWindow& window = openShortlist();
    EXPECT_FALSE(window.list->isColumnHidden(ShortlistModel::UsRankColumn));
    const auto usRank
        = [&](int row) { return window.model()->index(row, ShortlistModel::UsRankColumn).data().toString(); };
    EXPECT_EQ(usRank(0), QString("#34, rising"));
    EXPECT_EQ(usRank(1), QString("boy: not ranked, falling; girl: #500, rising"));
    QLocale::setDefault(QLocale::system());
}
