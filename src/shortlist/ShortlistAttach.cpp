#include "shortlist/ShortlistAttach.h"

#include "browser/Form1.h"
#include "runtime/controls/UnhandledError.h"
#include "shortlist/ShortlistWindow.h"

#include <QPointer>

namespace tervala {

void attachShortlist(Form1& browser, const QString& programFolder, const QString& speechEngine)
{
    // The window is the browser's child, so it closes with the browser and is deleted with it.
    auto window = std::make_shared<QPointer<ShortlistWindow>>();
    QObject::connect(&browser, &Form1::shortlistRequested, &browser, [=, &browser] {
        rt::runGuarded([&] {
            if (!*window) {
                *window = new ShortlistWindow(programFolder, speechEngine, &browser);
                QObject::connect(&browser, &Form1::favouritesChanged, *window, &ShortlistWindow::followFavourites);
            }
            (*window)->show();
            (*window)->raise();
            (*window)->activateWindow();
        });
    });
}

} // namespace tervala
