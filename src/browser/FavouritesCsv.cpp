// The CSV reader walks the text once, a character at a time, with a field being either quoted or plain; the
// line number of the record's first line goes into every message about it.
#include "browser/FavouritesCsv.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <array>
#include <optional>

namespace tervala {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
const std::array<QString, 4> Captions
    = { QStringLiteral("Name"), QStringLiteral("Meaning"), QStringLiteral("Origin"), QStringLiteral("Gender") };
enum Column { NameField, MeaningField, OriginField, GenderField };

// A spreadsheet takes a cell that starts with one of these for a formula.
bool isFormulaStart(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// True when text starts with one or more apostrophes and then a formula start: the form of a neutralised field.
bool isNeutralised(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'\'')
        ++at;
    return at > 0 && at < text.size() && isFormulaStart(text[at]);
}

// A field that a spreadsheet would run, or one that would read back as neutralised, gets one more leading
// apostrophe, which spreadsheets show as text and which the reader takes off again; it is quoted as well.
QString csvField(const QString& text)
{
    const bool neutralise = (!text.isEmpty() && isFormulaStart(text[0])) || isNeutralised(text);
    const QString field = neutralise ? u'\'' + text : text;
    const bool quoted
        = neutralise || field.contains(u',') || field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n');
    if (!quoted)
        return field;
    QString doubled = field;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

// The text a field stood for before csvField neutralised it.
QString unneutralised(const QString& field)
{
    return isNeutralised(field) ? field.mid(1) : field;
}

[[noreturn]] void fail(int line, const QString& what)
{
    throw FavouritesCsvError(
        QCoreApplication::translate("FavouritesCsv", "line %1: %2").arg(line).arg(what).toStdString());
}

struct Record {
    int line; // 1-based line on which the record starts
    std::vector<QString> fields;
};

std::vector<Record> parseRecords(const QString& text)
{
    std::vector<Record> records;
    Record record { 1, {} };
    QString field;
    int line = 1;
    qsizetype at = 0;
    const qsizetype size = text.size();
    auto endRecord = [&] {
        record.fields.push_back(field);
        field.clear();
        const bool blank = record.fields.size() == 1 && record.fields[0].isEmpty();
        if (!blank)
            records.push_back(std::move(record));
        record = { line, {} };
    };
    while (at < size) {
        const QChar c = text[at];
        if (c == u'"' && field.isEmpty()) {
            // A quoted field runs to the next quote not doubled; line ends inside it belong to the text.
            const int startLine = line;
            ++at;
            for (;;) {
                if (at >= size)
                    fail(startLine, QCoreApplication::translate("FavouritesCsv", "a quoted field is not closed"));
                if (text[at] == u'"') {
                    if (at + 1 < size && text[at + 1] == u'"') {
                        field += u'"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                if (text[at] == u'\n')
                    ++line;
                field += text[at++];
            }
            if (at < size && text[at] != u',' && text[at] != u'\r' && text[at] != u'\n')
                fail(line, QCoreApplication::translate("FavouritesCsv", "text follows a quoted field"));
            continue;
        }
        if (c == u'"')
            fail(line,
                 QCoreApplication::translate("FavouritesCsv", "a quote inside a field that does not start with one"));
        if (c == u',') {
            record.fields.push_back(field);
            field.clear();
            ++at;
        } else if (c == u'\r' || c == u'\n') {
            at += (c == u'\r' && at + 1 < size && text[at + 1] == u'\n') ? 2 : 1;
            ++line;
            endRecord();
        } else {
            field += c;
            ++at;
        }
    }
    if (!field.isEmpty() || !record.fields.empty())
        endRecord();
    return records;
}

} // namespace

QByteArray writeFavouritesCsv(const std::vector<NameRow>& names)
{
    QString text;
    auto appendRecord = [&text](const std::array<QString, 4>& fields) {
        for (size_t i = 0; i < fields.size(); ++i)
            text += (i ? QStringLiteral(",") : QString()) + csvField(fields[i]);
        text += QStringLiteral("\r\n");
    };
    appendRecord(Captions);
    for (const NameRow& name : names)
        appendRecord({ name.nama, name.arti, name.asal, genderCode(name.jk) });
    return ByteOrderMark + text.toUtf8();
}

std::vector<FavouriteRecord> readFavouritesCsv(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes.startsWith(ByteOrderMark) ? bytes.sliced(ByteOrderMark.size()) : bytes);
    if (utf8.hasError())
        throw FavouritesCsvError(
            QCoreApplication::translate("FavouritesCsv", "the file is not UTF-8 text").toStdString());

    const std::vector<Record> records = parseRecords(text);
    if (records.empty())
        throw FavouritesCsvError(
            QCoreApplication::translate("FavouritesCsv",
                                        "the file is empty: a header line with Name and Origin is needed")
                .toStdString());
    const Record& header = records.front();
    std::array<std::optional<size_t>, 4> columns;
    for (size_t i = 0; i < header.fields.size(); ++i) {
        for (size_t c = 0; c < Captions.size(); ++c) {
            if (header.fields[i].trimmed().compare(Captions[c], Qt::CaseInsensitive) == 0 && !columns[c])
                columns[c] = i;
        }
    }
    for (const Column required : { NameField, OriginField }) {
        if (columns[required])
            continue;
        if (header.fields.size() == 1 && header.fields[0].contains(u';'))
            fail(header.line,
                 QCoreApplication::translate(
                     "FavouritesCsv",
                     "the fields are separated by semicolons; a favourites file separates them by commas"));
        fail(header.line,
             QCoreApplication::translate("FavouritesCsv", "the header line has no %1 column").arg(Captions[required]));
    }

    std::vector<FavouriteRecord> names;
    for (size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        if (record.fields.size() != header.fields.size()) {
            fail(record.line,
                 QCoreApplication::translate("FavouritesCsv", "%1 fields where the header has %2")
                     .arg(record.fields.size())
                     .arg(header.fields.size()));
        }
        auto field = [&](Column c) { return columns[c] ? unneutralised(record.fields[*columns[c]]) : QString(); };
        FavouriteRecord name { { field(NameField), field(MeaningField), field(OriginField) }, true };
        if (name.row.nama.isEmpty())
            fail(record.line, QCoreApplication::translate("FavouritesCsv", "the name is empty"));
        const QString gender = field(GenderField).trimmed().toUpper();
        if (const std::optional<Gender> jk = genderFromCode(gender))
            name.row.jk = *jk;
        else if (gender.isEmpty())
            name.hasGender = false;
        else
            fail(record.line,
                 QCoreApplication::translate("FavouritesCsv", "the gender \"%1\" is neither M nor F").arg(gender));
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace tervala
