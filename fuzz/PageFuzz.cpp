// The page conventions against plain references. Input: page bytes, read as a page file (lines joined, decoded
// from Windows-1252) and compared with the text decoded whole with its CR and CR LF removed. Then, on that text:
// the marker cut with markers taken from the input's tail, the list walk against the walk as first written (a
// fresh search from the cursor every pass, quadratic on some pages) and the origin cuts against four plain cuts.
#include "builder/ListImport.h"
#include "builder/OriginImport.h"
#include "builder/PageText.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <cstdint>
#include <cstdlib>

using namespace tervala;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The marker cut written out with QString::indexOf on 0-based positions.
MarkerCut referenceCut(const QString& text, qsizetype cursor, const Markers& m)
{
    MarkerCut cut;
    cut.cursor = cursor;
    const qsizetype section = cursor > text.size() ? -1 : text.indexOf(m.section, cursor - 1);
    if (section < 0)
        return cut;
    cut.sectionFound = true;
    const qsizetype from = section + m.section.size();
    const qsizetype start = from >= text.size() ? -1 : text.indexOf(m.start, from);
    if (start < 0)
        return cut;
    const qsizetype valueStart = start + m.start.size();
    const qsizetype end = valueStart >= text.size() ? -1 : text.indexOf(m.end, valueStart);
    cut.cursor = end + 1;
    if (end >= 0)
        cut.value = text.mid(valueStart, end - valueStart).remove(QChar(u'\f'));
    return cut;
}

bool sameCut(const MarkerCut& a, const MarkerCut& b)
{
    return a.sectionFound == b.sectionFound && a.cursor == b.cursor && a.value == b.value;
}

const Markers NameMarkers { "<li>", "<font size=\"2\" color=\"#9393FF\">", "</font>" };
const Markers MeaningMarkers { "meaning ", "&quot;", "&quot;" };

// The list walk as it was first written: every pass searches afresh from the cursor.
QStringList referenceWalk(const QString& page)
{
    QStringList passes;
    qsizetype cursor = 1;
    for (;;) {
        const MarkerCut nameCut = referenceCut(page, cursor, NameMarkers);
        const QString name = nameCut.value.value_or(QString());
        if (nameCut.cursor == 0) {
            passes << name + '|';
            return passes;
        }
        const MarkerCut meaningCut = referenceCut(page, nameCut.cursor, MeaningMarkers);
        passes << name + '|' + meaningCut.value.value_or(QString());
        if (!meaningCut.sectionFound || meaningCut.cursor == 0)
            return passes;
        cursor = meaningCut.cursor + 6;
    }
}

QString referenceOriginRow(const QString& page)
{
    const Markers cuts[] = { { "<h1 class=\"name\"", ">", "<" },
                             { "<h2 class=\"origin\">", ">", "<" },
                             { "&middot", "; ", "<" },
                             { "<p class=\"meaning\"", ">", "<" } };
    QString fields[4];
    qsizetype cursor = 1;
    for (int i = 0; i < 4 && cursor > 0; ++i) {
        const MarkerCut cut = referenceCut(page, cursor, cuts[i]);
        fields[i] = cut.value.value_or(QString());
        cursor = cut.cursor;
    }
    return fields[0] + '|' + fields[3] + '|' + fields[1] + '|' + fields[2];
}

// Written to a file in memory where there is one: a disk file costs more than the rest of a run.
QString pageTextOf(const QByteArray& bytes)
{
    static const QString folder = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    // Removed when the run ends.
    static QTemporaryFile file(folder + "/tervala-fuzz-XXXXXX.htm");
    check(file.isOpen() || file.open());
    check(file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()) && file.flush());
    return readPageText(QFile::encodeName(file.fileName()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString decoded = QStringDecoder("windows-1252")(bytes);
    const QString text = pageTextOf(bytes);
    check(text == decoded.remove(QStringLiteral("\r\n")).remove(QChar(u'\r')));

    // Markers: the last three pieces after 0x01 bytes, when they are not empty; the cursor from the first byte.
    const QStringList pieces = text.split(QChar(1));
    if (pieces.size() >= 4 && !pieces.at(pieces.size() - 3).isEmpty() && !pieces.at(pieces.size() - 2).isEmpty()
        && !pieces.last().isEmpty()) {
        const Markers markers { pieces.at(pieces.size() - 3), pieces.at(pieces.size() - 2), pieces.last() };
        const qsizetype cursor = 1 + (size > 0 ? data[0] % (text.size() + 2) : 0);
        TextSearch search(text);
        check(sameCut(cutBetweenMarkers(search, cursor, markers), referenceCut(text, cursor, markers)));
        check(sameCut(cutBetweenMarkers(search, cursor + 1, markers), referenceCut(text, cursor + 1, markers)));
        check(sameCut(cutBetweenMarkers(search, 1, markers), referenceCut(text, 1, markers)));
    }

    QStringList passes;
    walkListPage(text, [&](const ListItem& item) { passes << item.name + '|' + item.meaning; });
    check(passes == referenceWalk(text));

    const StagingRow row = cutOriginPage(text);
    check(row.name + '|' + row.meaning + '|' + row.origin + '|' + row.gender == referenceOriginRow(text));
    return 0;
}
