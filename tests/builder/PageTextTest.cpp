// Page text (lines joined, bytes decoded from Windows-1252), the 1-based find and every outcome of the marker cut.
#include "builder/PageText.h"

#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tervala;

static QString pageTextOf(const QByteArray& bytes)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("page.html"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    return readPageText(QFile::encodeName(file.fileName()));
}

TEST(PageText, LinesEndAtCarriageReturnsOnly)
{
    EXPECT_EQ(pageTextOf("a\rb\r\n\r\nc\nd\n"), QString("abc\nd\n"));
}

TEST(PageText, DecodesEveryByteAsWindows1252)
{
    // 0x80-0x9F as Windows-1252 gives them; the five unassigned bytes keep their own code points.
    const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QByteArray bytes;
    QString expected;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r') {
            bytes.append(char(byte));
            expected.append(byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte));
        }
    }
    EXPECT_EQ(pageTextOf(bytes), expected);
}

TEST(PageText, Find)
{
    EXPECT_EQ(findText("abcabc", "a", 2), 4);
    EXPECT_EQ(findText("abcabc", "c", 6), 6);
    EXPECT_EQ(findText("abcabc", "c", 7), 0);
    EXPECT_EQ(findText("abcabc", "A", 1), 0);
}

TEST(MarkerCut, Outcomes)
{
    const struct {
        const char* label;
        QString text;
        qsizetype cursor;
        bool sectionFound;
        qsizetype newCursor;
        std::optional<QString> value;
    } cases[] = {
        { "value", "x<h1 a>Abel</h1>", 1, true, 12, "Abel" },
        { "no section", "x<h2>Abel</h2>", 1, false, 1, std::nullopt },
        { "section before cursor", "<h1>Abel</h1>", 2, false, 2, std::nullopt },
        { "start only inside section marker", "<h1 ", 1, true, 1, std::nullopt },
        { "no end", "<h1>Abel", 1, true, 0, std::nullopt },
        { "empty value", "<h1><", 1, true, 5, "" },
        { "form feeds removed, not trimmed", "<h1> \tA\fb\f<", 1, true, 11, " \tAb" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const MarkerCut cut = cutBetweenMarkers(c.text, c.cursor, { "<h1", ">", "<" });
        EXPECT_EQ(cut.sectionFound, c.sectionFound);
        EXPECT_EQ(cut.cursor, c.newCursor);
        EXPECT_EQ(cut.value, c.value);
    }
}
