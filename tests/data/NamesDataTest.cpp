// The sample names in data/names.tsv, as the build turns them into ter.va: the file's form (header, four fields
// without blanks around them, genders, UTF-8 in NFC, usual capitals, one row per name, origin and gender, an
// origin from the known set), its size, the names a parent looks for first, and the kinds of rows the program
// must be shown to handle: long meanings, apostrophes, letters beyond ASCII, a name of two origins and of both
// genders, a name whose meaning nobody knows.
#include "TestSupport.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace {

// The origins a row may give. A new one is added here on purpose, not by a typing slip in the data.
const QStringList KnownOrigins
    = QString("Aboriginal,Akan,Albanian,American,Amharic,Arabic,Aramaic,Armenian,Basque,Breton,Celtic,Chinese,"
              "Cornish,Czech,Dutch,English,Finnish,French,Georgian,German,Germanic,Greek,Hawaiian,Hebrew,Hindi,"
              "Hungarian,Igbo,Indonesian,Irish,Italian,Japanese,Javanese,Kikuyu,Korean,Latin,Lithuanian,Maori,"
              "Mapuche,Mayan,Nahuatl,Native American,Nordic,Persian,Polish,Portuguese,Punjabi,Quechua,Romanian,"
              "Russian,Sanskrit,Scottish,Slavic,Sotho,Spanish,Swahili,Tamil,Thai,Tupi,Turkish,Vietnamese,Welsh,"
              "Yiddish,Yoruba,Zapotec,Zulu")
          .split(',');

// A name as families write it: a capital first, and not in capitals throughout unless it is initials (CJ).
bool hasUsualCapitals(const QString& name)
{
    return name.front().isUpper() && (name.size() <= 2 || name != name.toUpper());
}

} // namespace

TEST(NamesData, FormSizeAndKindsOfRows)
{
    QFile file(QStringLiteral(TERVALA_DATA_DIR "/names.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    ASSERT_FALSE(utf8.hasError()) << "not UTF-8";
    QStringList lines = text.split(u'\n');
    ASSERT_EQ(lines.takeLast(), QString()) << "the last line must end in a line feed";
    EXPECT_EQ(lines.takeFirst(), QString("nama\tjk\tasal\tarti"));
    QSet<QString> rows; // name, origin and gender
    QSet<QString> kinds; // of rows seen
    QHash<QString, QString> originAndGender; // of a name's first row
    QHash<QString, QSet<QString>> genders; // of each name
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t'); // nama, jk, asal, arti
        ASSERT_EQ(fields.size(), 4) << line.toStdString();
        for (const QString& field : fields)
            EXPECT_EQ(field, field.trimmed()) << "blanks around a field: " << line.toStdString();
        EXPECT_EQ(line, line.normalized(QString::NormalizationForm_C)) << "not NFC: " << line.toStdString();
        EXPECT_TRUE(!fields[0].isEmpty() && hasUsualCapitals(fields[0])) << line.toStdString();
        EXPECT_TRUE(fields[1] == "M" || fields[1] == "F") << line.toStdString();
        EXPECT_TRUE(KnownOrigins.contains(fields[2])) << "unknown origin: " << line.toStdString();
        const QString key = fields[0] + '\t' + fields[2] + '\t' + fields[1];
        EXPECT_FALSE(rows.contains(key)) << "twice: " << line.toStdString();
        rows.insert(key);
        genders[fields[0]].insert(fields[1]);
        kinds << fields[1] << (fields[3].size() > 40 ? "long meaning" : "") << (fields[0].contains('\'') ? "'" : "")
              << (fields[0].toLatin1() != fields[0].toUtf8() ? "beyond ASCII" : "")
              << (fields[3].isEmpty() ? "no meaning" : "");
        const QString first = originAndGender.value(fields[0], fields[2] + '\t' + fields[1]);
        kinds << (first.section('\t', 0, 0) != fields[2] ? "two origins" : "")
              << (first.section('\t', 1) != fields[1] ? "both genders" : "");
        originAndGender.insert(fields[0], first);
    }
    EXPECT_GE(lines.size(), 15000);
    EXPECT_TRUE(kinds.contains(
        QSet<QString> { "M", "F", "long meaning", "'", "beyond ASCII", "two origins", "both genders", "no meaning" }));
    const QSet<QString> both { "M", "F" };
    for (const auto& [name, expected] : { std::pair<QString, QSet<QString>> { "James", { "M" } },
                                          { "John", { "M" } },
                                          { "Emily", { "F" } },
                                          { "Ava", { "F" } },
                                          { "Avery", both },
                                          { "Riley", both },
                                          { "Jordan", both } })
        EXPECT_EQ(genders.value(name), expected) << name.toStdString();
}
