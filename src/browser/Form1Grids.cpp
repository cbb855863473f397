// What the two name grids offer beyond clicks: the keyboard toggle, tooltips and the context menu of a row, with
// the extension points that add tooltip lines and menu entries. Every action that changes a favourite goes
// through toggleFavourite, so it sends the same one statement as a click.
#include "browser/FavouriteUndo.h"
#include "browser/FavouritesTransfer.h"
#include "browser/Form1.h"
#include "browser/ListRow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace tervala {

void Form1::connectGridExtras()
{
    for (rt::FlexGrid* grid : { flex1, flex2 }) {
        grid->setCellToolTip([this, grid](int row, int col) { return cellToolTip(grid, row, col); });
        // A listener hears what the mark means, not the letter.
        grid->setColumnSpokenText(FavouriteColumn, [](const QString& mark) {
            return mark == FavouriteMark ? tr("favourite") : tr("not a favourite");
        });
        connect(grid, &rt::FlexGrid::ContextMenu, this, [this, grid](const QPoint& globalPos) {
            rt::runGuarded([&] { createGridMenu(grid)->exec(globalPos); });
        });
    }
}

// The shortlist is a window of its own that the program attaches; the browser only asks for it.
void Form1::connectShortlist()
{
    m_openShortlist = new QAction(tr("&Shortlist…"), this);
    m_openShortlist->setObjectName(QStringLiteral("shortlist"));
    m_openShortlist->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_openShortlist->setShortcutContext(Qt::WindowShortcut);
    addAction(m_openShortlist);
    connect(m_openShortlist, &QAction::triggered, this, &Form1::shortlistRequested);
}

void Form1::addToolTipLines(ToolTipLines lines)
{
    m_toolTipLines.push_back(std::move(lines));
}

void Form1::addMenuEntries(MenuEntries entries)
{
    m_menuEntries.push_back(std::move(entries));
}

// Space or Enter toggles the current row, as a double click (boys) or a click (girls) does.
void Form1::flex1_KeyPress(int keyAscii)
{
    Q_UNUSED(keyAscii);
    toggleFavourite(flex1);
}
void Form1::flex2_KeyPress(int keyAscii)
{
    Q_UNUSED(keyAscii);
    toggleFavourite(flex2);
}

Form1::NameCell Form1::nameCell(rt::FlexGrid* grid, int row, int col) const
{
    return { grid == flex1 ? Gender::Male : Gender::Female,
             row,
             col,
             grid->textMatrix(row, NameColumn),
             grid->textMatrix(row, OriginColumn) };
}

QString Form1::cellToolTip(rt::FlexGrid* grid, int row, int col) const
{
    QStringList lines;
    // The meaning cell ends in a blank of its own, which a tooltip need not show.
    if (grid->isCellTextCutOff(row, col))
        lines.append(grid->textMatrix(row, col).trimmed());
    const NameCell cell = nameCell(grid, row, col);
    for (const ToolTipLines& source : m_toolTipLines)
        lines.append(source(cell));
    return lines.join(u'\n');
}

std::unique_ptr<QMenu> Form1::createGridMenu(rt::FlexGrid* grid)
{
    auto menu = std::make_unique<QMenu>(grid);
    const int row = grid->row();
    const bool onName = row >= 1;
    const NameCell cell = onName ? nameCell(grid, row, grid->col()) : NameCell { Gender::Male, 0, 0, {}, {} };
    // Each entry runs guarded, as every handler does, and is found by tests through its object name.
    auto add = [&](const char* objectName, const QString& text, std::function<void()> action) {
        QAction* entry = menu->addAction(text);
        entry->setObjectName(QLatin1String(objectName));
        connect(entry, &QAction::triggered, this, [action = std::move(action)] { rt::runGuarded(action); });
        return entry;
    };

    add("copyName", tr("&Copy Name"), [name = cell.name] {
        QGuiApplication::clipboard()->setText(name);
    })->setEnabled(onName);
    add("copyRows", tr("Copy Selected &Rows"), [grid] {
        QGuiApplication::clipboard()->setText(grid->selectedRowsText(true));
    })->setEnabled(onName);
    menu->addSeparator();
    add("toggleFavourite", tr("&Toggle Favourite"), [this, grid] { toggleFavourite(grid); })->setEnabled(onName);
    QString shownOrigin = cell.origin;
    shownOrigin.replace(u'&', QStringLiteral("&&")); // an origin's "&" is no access key
    add("showOrigin", tr("Show Names of &Origin \"%1\"").arg(shownOrigin), [this, origin = cell.origin] {
        showNamesOfOrigin(origin);
    })->setEnabled(onName && Combo1->findText(cell.origin) >= 0);

    menu->addAction(m_undo->action());
    menu->addSeparator();
    add("exportFavourites", tr("&Export Favourites…"), [this] { m_transfer->exportFavourites(); });
    add("printFavourites", tr("&Print Favourites…"), [this] { m_transfer->printFavouriteList(); });
    add("importFavourites", tr("&Import Favourites…"), [this] { m_transfer->importFavourites(); });
    menu->addAction(m_openShortlist);

    if (onName && !m_menuEntries.empty()) {
        menu->addSeparator();
        for (const MenuEntries& source : m_menuEntries)
            source(*menu, cell);
    }
    menu->addSeparator();
    add("about", tr("&About Tervala"), [this] { showAbout(); });
    return menu;
}

// As a user would: choose the origin, then tick its check box; each change runs the refresh policy.
void Form1::showNamesOfOrigin(const QString& origin)
{
    const int index = Combo1->findText(origin);
    if (index < 0)
        return;
    Combo1->setCurrentIndex(index);
    if (Check4->value() == 0)
        Check4->setValue(1);
}

} // namespace tervala
