#include "shortlist/ShortlistView.h"

#include "runtime/controls/Contrast.h"
#include "shortlist/ShortlistModel.h"

#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>

namespace tervala {

ShortlistView::ShortlistView(ShortlistModel* model, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
{
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // The rows' own format keeps out what other programs drag.
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control, as in the browser's lists.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    keepSelectionReadable();
}

void ShortlistView::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    setState(QAbstractItemView::NoState);
    const int from = m_model->rowOfDragged(*event->mimeData());
    if (from < 0) {
        event->ignore();
        return;
    }
    const QModelIndex at = indexAt(event->position().toPoint());
    const int to = at.isValid() ? at.row() : m_model->rowCount() - 1;
    // The model's rows are not removed by the drag: the window puts them in their new order itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (from >= 0 && to >= 0 && from != to)
        emit rowDropped(from, to);
}

void ShortlistView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    // Setting the palette raises PaletteChange again, which then finds nothing to change.
    if (event->type() == QEvent::PaletteChange)
        keepSelectionReadable();
}

void ShortlistView::keepSelectionReadable()
{
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QPalette colors = rt::withReadableSelection(inherited, palette());
    if (colors != palette())
        setPalette(colors);
}

} // namespace tervala
