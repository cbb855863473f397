// Page text, the 1-based find and every outcome of the marker cut.
#include "builder/PageText.h"

#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tervala;

namespace {

QString pageTextOf(const QByteArray& bytes)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("page.html"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    return readPageText(file.fileName());
}

TEST(PageText, LinesJoinWithoutSeparator)
{
    EXPECT_EQ(pageTextOf("<p class=\"mea\r\nning\">Gift\r\nof God</p>\r\n"),
              pageTextOf("<p class=\"meaning\">Giftof God</p>"));
    EXPECT_EQ(pageTextOf("a\rb\r\n\r\nc"), QString("abc"));
    EXPECT_EQ(pageTextOf("a\nb\n"), QString("a\nb\n"));
    EXPECT_EQ(pageTextOf(""), QString());
    EXPECT_EQ(pageTextOf("Zo\xEB \x80 \x81"), QString::fromUtf8("Zoë € \u0081"));
}

TEST(PageText, Find)
{
    const QString text = "abcabc";
    const struct {
        QString what;
        qsizetype from;
        qsizetype expected;
    } cases[] = {
        { "a", 1, 1 },   { "a", 2, 4 }, { "c", 6, 6 },   { "c", 7, 0 },
        { "c", 100, 0 }, { "A", 1, 0 }, { "bca", 1, 2 }, { "abcabcx", 1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what.toStdString() + " from " + std::to_string(c.from));
        EXPECT_EQ(findText(text, c.what, c.from), c.expected);
    }
    EXPECT_EQ(findText(QString(), "a", 1), 0);
}

TEST(MarkerCut, Outcomes)
{
    const Markers markers { "<h1", ">", "<" };
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
        { "no start", "<h1", 1, true, 1, std::nullopt },
        { "start only inside section marker", "<h1 ", 1, true, 1, std::nullopt },
        { "no end", "<h1>Abel", 1, true, 0, std::nullopt },
        { "empty value", "<h1><", 1, true, 5, "" },
        { "form feed removed", "<h1>A\fb\f<", 1, true, 9, "Ab" },
        { "tab kept, not trimmed", "<h1> \tA &quot;<b<", 1, true, 15, " \tA &quot;" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const MarkerCut cut = cutBetweenMarkers(c.text, c.cursor, markers);
        EXPECT_EQ(cut.sectionFound, c.sectionFound);
        EXPECT_EQ(cut.cursor, c.newCursor);
        EXPECT_EQ(cut.value, c.value);
    }
}

} // namespace
