#include "builder/PageText.h"

#include "runtime/hostfiles/TextFile.h"

#include <algorithm>

namespace tervala {

QString readPageText(const QByteArray& hostPath)
{
    rt::TextFile file(hostPath, MaxPageBytes);
    QString text;
    while (!file.atEnd())
        text += file.readLine();
    return text;
}

qsizetype findText(const QString& text, const QString& what, qsizetype from)
{
    Q_ASSERT(from >= 1);
    Q_ASSERT(!what.isEmpty());
    if (from > text.size())
        return 0;
    return text.indexOf(what, from - 1, Qt::CaseSensitive) + 1;
}

qsizetype TextSearch::find(const QString& what, qsizetype from)
{
    auto answer = std::find_if(m_answers.begin(), m_answers.end(), [&](const Answer& a) { return a.what == what; });
    if (answer == m_answers.end())
        answer = m_answers.insert(m_answers.end(), { what, 0, 0 });
    else if (answer->from <= from && (answer->found == 0 || answer->found >= from))
        return answer->found; // no occurrence lies in [answer->from, answer->found), so none in [from, found)
    answer->from = from;
    answer->found = findText(m_text, what, from);
    return answer->found;
}

MarkerCut cutBetweenMarkers(const QString& text, qsizetype cursor, const Markers& markers)
{
    TextSearch search(text);
    return cutBetweenMarkers(search, cursor, markers);
}

MarkerCut cutBetweenMarkers(TextSearch& search, qsizetype cursor, const Markers& markers)
{
    const QString& text = search.text();
    MarkerCut cut;
    cut.cursor = cursor;
    const qsizetype section = search.find(markers.section, cursor);
    if (section == 0)
        return cut;
    cut.sectionFound = true;
    const qsizetype start = search.find(markers.start, section + markers.section.size());
    if (start == 0)
        return cut;
    const qsizetype valueStart = start + markers.start.size();
    const qsizetype end = search.find(markers.end, valueStart);
    cut.cursor = end;
    if (end > 0)
        cut.value = text.mid(valueStart - 1, end - valueStart).remove(QChar(u'\f'));
    return cut;
}

} // namespace tervala
