// Favourites that travel: export writes them to a CSV file, print sends them to a printer or a PDF file, import
// reads a file such as a partner's export and marks each listed name. The dialogs live here; the data work is in
// FavouriteStore and FavouritesCsv.
#pragma once

#include "browser/FavouriteStore.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tervala {

namespace rt {
class Connection;
}

class FavouritesTransfer : public QObject {
    Q_OBJECT

public:
    // The dialogs are window-modal to window; connection gives the window's open connection; marked is told the
    // new marks of an import once it has committed, so the window can show them and take them back.
    FavouritesTransfer(QWidget* window,
                       std::function<rt::Connection&()> connection,
                       std::function<void(const std::vector<ImportCounts::Mark>&)> marked);

    void exportFavourites();
    void printFavouriteList();
    void importFavourites();

private:
    std::optional<ImportCounts> markWithProgress(const std::vector<FavouriteRecord>& records);

    QWidget* m_window;
    std::function<rt::Connection&()> m_connection;
    std::function<void(const std::vector<ImportCounts::Mark>&)> m_marked;
};

} // namespace tervala
