// RefreshLists: rebuilds the boys' list in flex1, then the girls' list in flex2, yielding after every row.
// A rebuild can be suspended in a yield while a newer one runs to its end nested inside it; when it resumes it
// must see that and return without touching the grids, the progress boxes or the restart flag again. From the
// first statement on, a failing step is skipped: the lists show what could be loaded and nothing is reported.
#include "browser/FilterQuery.h"
#include "browser/Form1.h"
#include "browser/ListRow.h"
#include "runtime/DbError.h"
#include "runtime/DoEvents.h"

namespace tervala {

namespace {

const QColor BarColour(0, 0, 255);
const QColor BoysShading(255, 220, 220);
const QColor GirlsShading(220, 255, 220);
constexpr int GridColumns = 4;

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

FilterState Form1::readFilterControls() const
{
    FilterState filter;
    for (int index = 0; index < 26; ++index) {
        if (Option1[index]->value())
            filter.letter = QString(QChar('A' + index));
    }
    filter.favouritesOnly = Check1->value() == 1;
    filter.meaningOn = Check2->value() == 1;
    filter.meaningText = Text1->text();
    filter.nameOn = Check3->value() == 1;
    filter.nameText = Text2->text();
    filter.originOn = Check4->value() == 1;
    filter.originText = Combo1->text();
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
    return m_restart || m_refreshRequests != generation || isUnloaded();
}

void Form1::RefreshLists()
{
    // A window already closed has no connection left to read from.
    if (isUnloaded())
        return;
    const FilterState filter = readFilterControls();
    flex1->setRedraw(false);
    flex2->setRedraw(false);

    quint64 generation = m_refreshRequests;
    if (!loadList(composeCountSql(filter, QStringLiteral("M")),
                  composeRowSql(filter, QStringLiteral("M")),
                  flex1,
                  Picture4,
                  BoysShading,
                  true,
                  generation))
        return;
    if (!loadList(composeCountSql(filter, QStringLiteral("F")),
                  composeRowSql(filter, QStringLiteral("F")),
                  flex2,
                  Picture5,
                  GirlsShading,
                  false,
                  generation))
        return;
    m_restart = false;
}

bool Form1::loadList(const QString& countSql,
                     const QString& rowSql,
                     rt::FlexGrid* grid,
                     rt::PictureBox* progressBox,
                     const QColor& shading,
                     bool lowerRestartFlag,
                     quint64& generation)
{
    progressBox->setVisible(true);
    const qlonglong total = countOf(connection(), countSql);
    rt::Recordset rows = executeOrEmpty(connection(), rowSql);
    grid->setRows(1);
    int i = 1;
    if (lowerRestartFlag) {
        m_restart = false;
        generation = m_refreshRequests;
    }

    const int barHeight = progressBox->heightTwips();
    const int boxWidth = progressBox->widthTwips();
    for (; !rows.eof(); rows.moveNext()) {
        progressBox->cls();
        progressBox->drawBox(0, 0, qRound(progressBarWidth(i, total, boxWidth)), barHeight, BarColour, true);
        if (isSuperseded(generation))
            return false;

        const QVariant arti = rows.field(QStringLiteral("arti"));
        grid->addItem(listRowText(rows.field(QStringLiteral("nama")),
                                  arti,
                                  rows.field(QStringLiteral("asal")),
                                  rows.field(QStringLiteral("fav"))));
        if (isLongMeaning(arti))
            grid->setRowHeight(i, LongMeaningRowHeight);
        if (i % 2 == 0) {
            for (int column = 0; column < GridColumns; ++column) {
                grid->setCol(column);
                grid->setRow(i - 1);
                grid->setCellBackColor(shading);
            }
        }
        ++i;
        rt::doEvents();
        if (isSuperseded(generation))
            return false;
    }

    progressBox->setVisible(false);
    grid->setRedraw(true);
    rt::doEvents();
    return !isSuperseded(generation);
}

} // namespace tervala
