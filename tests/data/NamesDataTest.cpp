// The sample names in data/names.tsv, as the build turns them into ter.va: the file's form (header, four filled
// fields, genders, no name twice under one origin), its size and spread, and the kinds of rows the program must
// be shown to handle.
#include "TestSupport.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

TEST(NamesData, FormSizeAndKindsOfRows)
{
    QFile file(QStringLiteral(TERVALA_DATA_DIR "/names.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    ASSERT_EQ(lines.takeLast(), QString()) << "the last line must end in a line feed";
    EXPECT_EQ(lines.takeFirst(), QString("nama\tjk\tasal\tarti"));
    QHash<QString, QSet<QString>> originsOf;
    QHash<QString, QSet<QString>> gendersOf;
    QSet<QString> origins;
    int boys = 0;
    int longMeanings = 0;
    int apostrophes = 0;
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t'); // nama, jk, asal, arti
        ASSERT_EQ(fields.size(), 4) << line.toStdString();
        EXPECT_TRUE(std::all_of(fields.cbegin(), fields.cend(), [](auto& f) {
            return !f.isEmpty() && f == f.trimmed();
        })) << line.toStdString();
        EXPECT_TRUE(fields[1] == "M" || fields[1] == "F") << line.toStdString();
        EXPECT_FALSE(originsOf[fields[0]].contains(fields[2])) << "twice under one origin: " << line.toStdString();
        originsOf[fields[0]].insert(fields[2]);
        gendersOf[fields[0]].insert(fields[1]);
        origins.insert(fields[2]);
        boys += fields[1] == "M";
        longMeanings += fields[3].size() > 40;
        apostrophes += fields[0].contains(u'\'');
    }
    EXPECT_GE(lines.size(), 3000);
    EXPECT_GE(origins.size(), 30);
    EXPECT_TRUE(boys * 10 >= lines.size() * 4 && boys * 10 <= lines.size() * 6); // about half boys' names
    EXPECT_TRUE(longMeanings > 0 && apostrophes > 0);
    for (const char* name : { "Zo\u00eb", "\u00c1ngel", "S\u00f8ren" })
        EXPECT_TRUE(originsOf.contains(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(std::any_of(originsOf.cbegin(), originsOf.cend(), [](const QSet<QString>& o) { return o.size() > 1; }));
    EXPECT_TRUE(std::any_of(gendersOf.cbegin(), gendersOf.cend(), [](const QSet<QString>& g) { return g.size() > 1; }));
}
