// The sample names in data/names.tsv, as the build turns them into ter.va: the file's form (header, four filled
// fields, genders, no name twice under one origin), its size, and the kinds of rows the program must be shown to
// handle: long meanings, apostrophes, letters beyond ASCII, a name of two origins and of both genders.
#include "TestSupport.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

TEST(NamesData, FormSizeAndKindsOfRows)
{
    QFile file(QStringLiteral(TERVALA_DATA_DIR "/names.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    ASSERT_EQ(lines.takeLast(), QString()) << "the last line must end in a line feed";
    EXPECT_EQ(lines.takeFirst(), QString("nama\tjk\tasal\tarti"));
    QSet<QString> pairs; // name and origin
    QSet<QString> kinds; // of rows seen
    QHash<QString, QString> originAndGender; // of a name's first row
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t'); // nama, jk, asal, arti
        ASSERT_EQ(fields.size(), 4) << line.toStdString();
        for (const QString& field : fields)
            EXPECT_TRUE(!field.isEmpty() && field == field.trimmed()) << line.toStdString();
        EXPECT_TRUE(fields[1] == "M" || fields[1] == "F") << line.toStdString();
        EXPECT_FALSE(pairs.contains(fields[0] + '\t' + fields[2])) << "twice under one origin: " << line.toStdString();
        pairs.insert(fields[0] + '\t' + fields[2]);
        kinds << fields[1] << (fields[3].size() > 40 ? "long meaning" : "") << (fields[0].contains('\'') ? "'" : "")
              << (fields[0].toLatin1() != fields[0].toUtf8() ? "beyond ASCII" : "");
        const QString first = originAndGender.value(fields[0], fields[2] + '\t' + fields[1]);
        kinds << (first.section('\t', 0, 0) != fields[2] ? "two origins" : "")
              << (first.section('\t', 1) != fields[1] ? "both genders" : "");
        originAndGender.insert(fields[0], first);
    }
    EXPECT_GE(lines.size(), 3000);
    EXPECT_TRUE(
        kinds.contains(QSet<QString> { "M", "F", "long meaning", "'", "beyond ASCII", "two origins", "both genders" }));
}
