#include "builder/PageText.h"

#include "runtime/TextFile.h"

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

MarkerCut cutBetweenMarkers(const QString& text, qsizetype cursor, const Markers& markers)
{
    MarkerCut cut;
    cut.cursor = cursor;
    const qsizetype section = findText(text, markers.section, cursor);
    if (section == 0)
        return cut;
    cut.sectionFound = true;
    const qsizetype start = findText(text, markers.start, section + markers.section.size());
    if (start == 0)
        return cut;
    const qsizetype valueStart = start + markers.start.size();
    const qsizetype end = findText(text, markers.end, valueStart);
    cut.cursor = end;
    if (end > 0)
        cut.value = text.mid(valueStart - 1, end - valueStart).remove(QChar(u'\f'));
    return cut;
}

} // namespace tervala
