// RefreshLists loads the boys' list into flex1, then the girls' into flex2. After every yield a superseded
// rebuild returns at once, without touching the grids or the progress boxes again. From the first statement on,
// a failing step is skipped: the lists show what could be loaded and nothing is reported.
#include "browser/FilterQuery.h"
#include "browser/Form1.h"
#include "browser/ListRow.h"
#include "runtime/controls/DoEvents.h"
#include "runtime/database/DbError.h"

namespace tervala {

namespace {

const QColor BarColour(0, 0, 255);
constexpr QRgb BoysShading = qRgb(255, 220, 220);
constexpr QRgb GirlsShading = qRgb(220, 255, 220);

// A failed statement gives what an empty result gives: no total, no rows.
rt::Recordset executeOrEmpty(rt::Connection& connection, const QString& sql)
{
    try {
        return connection.execute(sql);
    } catch (const rt::DbError&) {
        return {};
    }
}

qlonglong countOf(rt::Connection& connection, const QString& countSql)
{
    const rt::Recordset count = executeOrEmpty(connection, countSql);
    return count.eof() ? 0 : count.field(0).toLongLong();
}

} // namespace

// One of the two lists a rebuild loads, in this order: the boys' and then the girls'.
struct ListSide {
    Gender gender;
    rt::FlexGrid* grid;
    rt::PictureBox* progressBox;
    QRgb shading;
};

FilterState Form1::readFilterControls() const
{
    FilterState filter;
    for (int index = 0; index < LetterCount; ++index) {
        if (Option1[index]->value())
            filter.letter = QChar(u'A' + index);
    }
    filter.favouritesOnly = Check1->value() == 1;
    if (Check2->value() == 1)
        filter.meaning = Text1->text();
    if (Check3->value() == 1)
        filter.name = Text2->text();
    if (Check4->value() == 1)
        filter.origin = Combo1->text();
    if (Option2[0]->value())
        filter.sort = SortColumn::Name;
    else if (Option2[1]->value())
        filter.sort = SortColumn::Meaning;
    else if (Option2[2]->value())
        filter.sort = SortColumn::Origin;
    return filter;
}

bool Form1::isSuperseded(quint64 generation) const
{
    return m_refreshRequests != generation || isUnloaded();
}

void Form1::RefreshLists()
{
    // A window already closed has no connection left to read from.
    if (isUnloaded())
        return;
    const quint64 generation = m_refreshRequests;
    const FilterState filter = readFilterControls();
    flex1->setRedraw(false);
    flex2->setRedraw(false);
    const ListSide sides[] = {
        { Gender::Male, flex1, Picture4, BoysShading },
        { Gender::Female, flex2, Picture5, GirlsShading },
    };
    for (const ListSide& side : sides) {
        if (!loadList(filter, side, generation))
            return;
    }
}

bool Form1::loadList(const FilterState& filter, const ListSide& side, quint64 generation)
{
    side.progressBox->setVisible(true);
    const qlonglong total = countOf(connection(), composeCountSql(filter, side.gender));
    // Emptied just before the row statement runs rather than just after: nobody can tell (the grid's redraw is
    // off and nothing yields in between), and the old rows are then never held beside the new result.
    side.grid->setRows(1);
    rt::Recordset rows = executeOrEmpty(connection(), composeRowSql(filter, side.gender));

    const int barHeight = side.progressBox->heightTwips();
    const int boxWidth = side.progressBox->widthTwips();
    const int nama = rows.position(QStringLiteral("nama"));
    const int arti = rows.position(QStringLiteral("arti"));
    const int asal = rows.position(QStringLiteral("asal"));
    const int fav = rows.position(QStringLiteral("fav"));
    int i = 1; // the grid row being appended
    QByteArray buffer; // where each row's text is written, its room reused from row to row
    for (; !rows.eof(); rows.moveNext()) {
        side.progressBox->cls();
        side.progressBox->fillBox(0, 0, qRound(progressBarWidth(i, total, boxWidth)), barHeight, BarColour);
        if (isSuperseded(generation))
            return false;

        // The three text columns have text affinity: they hold text or null, never a number.
        const QByteArrayView meaning = rows.fieldUtf8(arti);
        side.grid->addItemUtf8(
            writeListRowText(buffer, rows.fieldUtf8(nama), meaning, rows.fieldUtf8(asal), rows.fieldIsTrue(fav)));
        if (isLongMeaning(meaning))
            side.grid->setRowHeight(i, LongMeaningRowHeight);
        // Rows 1, 3, 5, ... are shaded, each once the row after it is in.
        if (i % 2 == 0) {
            for (int column = 0; column < side.grid->cols(); ++column) {
                side.grid->setCol(column);
                side.grid->setRow(i - 1);
                side.grid->setCellBackColor(side.shading);
            }
        }
        ++i;
        rt::doEvents();
        if (isSuperseded(generation))
            return false;
    }

    side.progressBox->setVisible(false);
    side.grid->setRedraw(true);
    rt::doEvents();
    return !isSuperseded(generation);
}

} // namespace tervala
