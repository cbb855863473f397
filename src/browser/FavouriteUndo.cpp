#include "browser/FavouriteUndo.h"

#include "runtime/controls/UnhandledError.h"

#include <QAction>
#include <QWidget>

namespace tervala {

FavouriteUndo::FavouriteUndo(QWidget* window, std::function<void(const FavouriteChange&)> revert)
    : QObject(window)
    , m_revert(std::move(revert))
    , m_action(new QAction(tr("&Undo Favourite Change"), window))
{
    m_action->setObjectName(QStringLiteral("undoFavourite"));
    // A text box with the keyboard keeps Ctrl+Z for its own text.
    m_action->setShortcut(QKeySequence::Undo);
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setEnabled(false);
    window->addAction(m_action);
    connect(m_action, &QAction::triggered, this, [this] { rt::runGuarded([this] { undoLatest(); }); });
}

void FavouriteUndo::record(const FavouriteChange& change)
{
    m_changes.push_back(change);
    m_action->setEnabled(true);
}

void FavouriteUndo::undoLatest()
{
    if (m_changes.empty())
        return;
    m_revert(m_changes.back());
    // Taken off only once its statement has run.
    m_changes.pop_back();
    m_action->setEnabled(!m_changes.empty());
}

} // namespace tervala
