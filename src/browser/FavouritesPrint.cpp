// Printing goes through QTextDocument, which lays the table out over as many pages as it needs.
#include "browser/FavouritesPrint.h"

#include <QPrinter>
#include <QTextDocument>

namespace tervala {

namespace {

QString genderWord(const QString& gender)
{
    if (gender == u"M")
        return QStringLiteral("boy");
    if (gender == u"F")
        return QStringLiteral("girl");
    return {};
}

} // namespace

QString favouritesHtml(const std::vector<FavouriteName>& names)
{
    QString html = QStringLiteral("<h2>Favourite names</h2>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                                  "<thead><tr><th align=\"left\">Name</th><th align=\"left\">Meaning</th>"
                                  "<th align=\"left\">Origin</th><th align=\"left\">Gender</th></tr></thead>");
    for (const FavouriteName& name : names) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(name.name.toHtmlEscaped(),
                         name.meaning.toHtmlEscaped(),
                         name.origin.toHtmlEscaped(),
                         genderWord(name.gender));
    }
    return html + QStringLiteral("</table>");
}

void printFavourites(const std::vector<FavouriteName>& names, QPrinter& printer)
{
    QTextDocument document;
    document.setHtml(favouritesHtml(names));
    document.print(&printer);
}

} // namespace tervala
