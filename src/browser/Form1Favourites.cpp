// Taking favourite changes back: Ctrl+Z sends the latest change's statement again, which flips the same rows back,
// and flips the marks that showed it. Changes are taken back one at a time, the latest first.
#include "browser/Form1.h"
#include "browser/ListRow.h"

#include <QAction>

namespace tervala {

namespace {

bool sameText(const QString& a, const QString& b)
{
    // The database compares names and origins without regard to case, so the marks follow it.
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void Form1::connectFavouriteUndo()
{
    m_undoFavourite = new QAction(tr("&Undo Favourite Change"), this);
    m_undoFavourite->setObjectName(QStringLiteral("undoFavourite"));
    // A text box with the keyboard keeps Ctrl+Z for its own text.
    m_undoFavourite->setShortcut(QKeySequence::Undo);
    m_undoFavourite->setShortcutContext(Qt::WindowShortcut);
    m_undoFavourite->setEnabled(false);
    addAction(m_undoFavourite);
    connect(m_undoFavourite, &QAction::triggered, this, [this] { rt::runGuarded([this] { undoFavouriteChange(); }); });
}

void Form1::undoFavouriteChange()
{
    if (m_favouriteChanges.empty())
        return;
    const FavouriteChange change = m_favouriteChanges.back();
    connection().execute(change.sql);
    // Taken off only once its statement has run: a failed undo can be tried again.
    m_favouriteChanges.pop_back();
    m_undoFavourite->setEnabled(!m_favouriteChanges.empty());
    flipMarksOf(change);
    emit favouritesChanged();
}

void Form1::flipMarksOf(const FavouriteChange& change)
{
    const bool rowStillShown = change.row >= 1 && change.generation == m_refreshRequests
        && change.row < change.grid->rows() && change.grid->textMatrix(change.row, NameColumn) == change.name;
    if (rowStillShown) {
        flipMark(change.grid, change.row);
        return;
    }
    const std::pair<rt::FlexGrid*, Gender> grids[] = { { flex1, Gender::Male }, { flex2, Gender::Female } };
    for (const auto& [grid, gender] : grids) {
        if (change.gender && *change.gender != gender)
            continue;
        for (int row = 1; row < grid->rows(); ++row) {
            if (sameText(grid->textMatrix(row, NameColumn), change.name)
                && (change.origin.isEmpty() || sameText(grid->textMatrix(row, OriginColumn), change.origin)))
                flipMark(grid, row);
        }
    }
}

} // namespace tervala
