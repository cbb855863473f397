// Favourite changes that Ctrl+Z (or the context menu's entry) takes back, the latest first, one per press.
#pragma once

#include "browser/FavouriteChange.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace tervala {

class FavouriteUndo : public QObject {
    Q_OBJECT

public:
    // revert sends a change's statement again and flips the marks that show it; a change whose revert throws
    // stays, so a failed undo can be tried again. The action is added to window.
    FavouriteUndo(QWidget* window, std::function<void(const FavouriteChange&)> revert);

    QAction* action() const { return m_action; }
    void record(const FavouriteChange& change);

private:
    void undoLatest();

    std::function<void(const FavouriteChange&)> m_revert;
    std::vector<FavouriteChange> m_changes; // the latest last
    QAction* m_action;
};

} // namespace tervala
