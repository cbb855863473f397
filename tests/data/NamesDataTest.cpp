// The sample names in data/names.tsv, as the build turns them into ter.va: the file's form (header, four filled
// fields, genders, no name twice under one origin), its size and spread, and the kinds of rows the program must
// be shown to handle.
#include "TestSupport.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct NameLine {
    int lineNumber;
    QStringList fields; // nama, jk, asal, arti
};

class NamesData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFile file(QStringLiteral(TERVALA_DATA_DIR "/names.tsv"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(file.readAll());
        ASSERT_FALSE(utf8.hasError()) << "names.tsv is not valid UTF-8";
        QStringList lines = text.split(u'\n');
        ASSERT_EQ(lines.takeLast(), QString()) << "the last line must end in a line feed";
        s_header = lines.takeFirst();
        s_lines.clear();
        for (int i = 0; i < lines.size(); ++i)
            s_lines.push_back({ i + 2, lines[i].split(u'\t') });
    }

    static bool any(const std::function<bool(const QStringList&)>& test)
    {
        return std::any_of(s_lines.begin(), s_lines.end(), [&](const NameLine& line) { return test(line.fields); });
    }

    static inline QString s_header;
    static inline std::vector<NameLine> s_lines;
};

TEST_F(NamesData, EveryLineHasFourFilledFields)
{
    EXPECT_EQ(s_header, QStringLiteral("nama\tjk\tasal\tarti"));
    for (const NameLine& line : s_lines) {
        SCOPED_TRACE("names.tsv line " + std::to_string(line.lineNumber));
        ASSERT_EQ(line.fields.size(), 4);
        for (const QString& field : line.fields) {
            EXPECT_FALSE(field.isEmpty());
            EXPECT_EQ(field, field.trimmed());
        }
        EXPECT_TRUE(QStringList({ "M", "F" }).contains(line.fields[1])) << "gender " << line.fields[1].toStdString();
    }
}

TEST_F(NamesData, NoNameTwiceUnderOneOrigin)
{
    QHash<QPair<QString, QString>, int> firstLine;
    for (const NameLine& line : s_lines) {
        const auto key = qMakePair(line.fields.value(0), line.fields.value(2));
        EXPECT_FALSE(firstLine.contains(key)) << line.fields.value(0).toStdString() << " (" << key.second.toStdString()
                                              << ") on lines " << firstLine.value(key) << " and " << line.lineNumber;
        firstLine.insert(key, line.lineNumber);
    }
}

TEST_F(NamesData, SizeAndSpread)
{
    QSet<QString> origins;
    int boys = 0;
    for (const NameLine& line : s_lines) {
        origins.insert(line.fields.value(2));
        boys += line.fields.value(1) == QLatin1String("M");
    }
    const int rows = int(s_lines.size());
    EXPECT_GE(rows, 3000);
    EXPECT_GE(origins.size(), 30);
    // About half boys' and half girls' names.
    EXPECT_GE(boys * 10, rows * 4);
    EXPECT_LE(boys * 10, rows * 6);
}

TEST_F(NamesData, HoldsTheRowsTheProgramMustHandle)
{
    QHash<QString, QSet<QString>> originsOf;
    QHash<QString, QSet<QString>> gendersOf;
    for (const NameLine& line : s_lines) {
        originsOf[line.fields.value(0)].insert(line.fields.value(2));
        gendersOf[line.fields.value(0)].insert(line.fields.value(1));
    }
    const auto named = [](const QString& name) { return [name](const QStringList& f) { return f.value(0) == name; }; };
    const struct {
        const char* kind;
        bool present;
    } kinds[] = {
        { "a name with an apostrophe", any([](const QStringList& f) { return f.value(0).contains(u'\''); }) },
        { "a meaning longer than 40 characters", any([](const QStringList& f) { return f.value(3).size() > 40; }) },
        { "Zo\u00eb", any(named(QStringLiteral("Zo\u00eb"))) },
        { "\u00c1ngel", any(named(QStringLiteral("\u00c1ngel"))) },
        { "S\u00f8ren", any(named(QStringLiteral("S\u00f8ren"))) },
        { "a name under two origins",
          std::any_of(originsOf.cbegin(), originsOf.cend(), [](const QSet<QString>& o) { return o.size() > 1; }) },
        { "a name for both genders",
          std::any_of(gendersOf.cbegin(), gendersOf.cend(), [](const QSet<QString>& g) { return g.size() > 1; }) },
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.kind);
        EXPECT_TRUE(kind.present);
    }
}

} // namespace
