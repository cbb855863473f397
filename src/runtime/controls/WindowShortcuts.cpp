#include "runtime/controls/WindowShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace tervala::rt {

namespace {

QAction* addWindowShortcut(QWidget* window, const char* objectName, const QKeySequence& keys)
{
    auto* action = new QAction(window);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

} // namespace

void addQuitShortcut(QWidget* window)
{
    // Each window closes as by its close button, so a form still runs its unload handler.
    QObject::connect(addWindowShortcut(window, "quit", QKeySequence(Qt::CTRL | Qt::Key_Q)),
                     &QAction::triggered,
                     window,
                     [] { QApplication::closeAllWindows(); });
}

void addCloseShortcut(QWidget* window)
{
    QObject::connect(addWindowShortcut(window, "closeWindow", QKeySequence(Qt::CTRL | Qt::Key_W)),
                     &QAction::triggered,
                     window,
                     [window] { window->close(); });
}

} // namespace tervala::rt
