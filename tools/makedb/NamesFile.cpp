// A line ends at LF; a CR before it is dropped, so the file may come from Windows.
#include "tools/makedb/NamesFile.h"

#include <QFile>
#include <QStringDecoder>

#include <stdexcept>

namespace tervala::makedb {

namespace {

const QString Header = QStringLiteral("nama\tjk\tasal\tarti");

[[noreturn]] void fail(const QString& path, qsizetype lineNumber, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(reason).toStdString());
}

QString nullWhenEmpty(const QString& field)
{
    return field.isEmpty() ? QString() : field;
}

} // namespace

std::vector<NameRow> readNamesFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(file.readAll());
    if (decoder.hasError())
        throw std::runtime_error(QStringLiteral("%1: not valid UTF-8").arg(path).toStdString());

    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::vector<NameRow> rows;
    rows.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (i == 0) {
            if (line != Header)
                fail(path, 1, QStringLiteral("the header must be \"nama<TAB>jk<TAB>asal<TAB>arti\""));
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 4)
            fail(path, i + 1, QStringLiteral("%1 fields, expected 4 separated by tabs").arg(fields.size()));
        if (fields[0].isEmpty())
            fail(path, i + 1, QStringLiteral("empty nama"));
        if (fields[1] != QLatin1String("M") && fields[1] != QLatin1String("F"))
            fail(path, i + 1, QStringLiteral("jk is \"%1\", expected M or F").arg(fields[1]));
        rows.push_back({ fields[0], fields[1], nullWhenEmpty(fields[2]), nullWhenEmpty(fields[3]) });
    }
    if (lines.isEmpty())
        fail(path, 1, QStringLiteral("the file is empty, expected the header line"));
    return rows;
}

} // namespace tervala::makedb
