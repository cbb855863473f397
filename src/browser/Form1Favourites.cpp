// The window's side of favourite changes: Ctrl+Z sends the latest change's statement again, which flips the same
// rows back, and the marks that showed it flip too; an import's marks appear once it has committed.
#include "browser/FavouriteUndo.h"
#include "browser/FavouritesTransfer.h"
#include "browser/Form1.h"
#include "browser/ListRow.h"

namespace tervala {

void Form1::connectFavouriteCollaborators()
{
    m_undo = new FavouriteUndo(this, [this](const FavouriteChange& change) {
        connection().execute(change.sql);
        flipMarksOf(change);
        emit favouritesChanged();
    });
    m_transfer = new FavouritesTransfer(
        this,
        [this]() -> rt::Connection& { return connection(); },
        [this](const std::vector<ImportCounts::Mark>& marks) { showImportedMarks(marks); });
}

void Form1::showImportedMarks(const std::vector<ImportCounts::Mark>& marks)
{
    for (const ImportCounts::Mark& mark : marks) {
        const FavouriteChange change { mark.sql, mark.name, mark.origin, mark.gender, nullptr, 0, m_refreshRequests };
        flipMarksOf(change);
        m_undo->record(change);
    }
    if (!marks.empty())
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
        for (int row = 1; row < grid->rows(); ++row) {
            if (rowShowsChange(change, gender, grid->textMatrix(row, NameColumn), grid->textMatrix(row, OriginColumn)))
                flipMark(grid, row);
        }
    }
}

} // namespace tervala
