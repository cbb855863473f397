// Printing goes through QTextDocument, which lays the table out over as many pages as it needs.
#include "browser/FavouritesPrint.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTextDocument>

namespace tervala {

QString favouritesHtml(const std::vector<NameRow>& names)
{
    QString html = QStringLiteral("<h2>%1</h2>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                                  "<thead><tr><th align=\"left\">%2</th><th align=\"left\">%3</th>"
                                  "<th align=\"left\">%4</th><th align=\"left\">%5</th></tr></thead>")
                       .arg(QCoreApplication::translate("FavouritesPrint", "Favourite names"),
                            QCoreApplication::translate("FavouritesPrint", "Name"),
                            QCoreApplication::translate("FavouritesPrint", "Meaning"),
                            QCoreApplication::translate("FavouritesPrint", "Origin"),
                            QCoreApplication::translate("FavouritesPrint", "Gender"));
    for (const NameRow& name : names) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(name.nama.toHtmlEscaped(),
                         name.arti.toHtmlEscaped(),
                         name.asal.toHtmlEscaped(),
                         name.jk == Gender::Male ? QCoreApplication::translate("FavouritesPrint", "boy")
                                                 : QCoreApplication::translate("FavouritesPrint", "girl"));
    }
    return html + QStringLiteral("</table>");
}

void printFavourites(const std::vector<NameRow>& names, QPrinter& printer)
{
    QTextDocument document;
    document.setHtml(favouritesHtml(names));
    document.print(&printer);
}

} // namespace tervala
