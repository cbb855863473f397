// Line reading and the Windows-1252 decoding of TextFile, on files written byte by byte.
#include "runtime/TextFile.h"

#include "TestSupport.h"
#include "runtime/FileError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tervala::rt::FileError;
using tervala::rt::TextFile;

namespace {

class TextFileTest : public ::testing::Test {
protected:
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath("file.txt");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QStringList readLines(const QString& path)
    {
        TextFile file(path);
        QStringList lines;
        while (!file.atEnd())
            lines << file.readLine();
        return lines;
    }

    QTemporaryDir m_dir;
};

TEST_F(TextFileTest, LineEnds)
{
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        { "", {} },
        { "one", { "one" } },
        { "one\r\ntwo\r\n", { "one", "two" } },
        { "one\rtwo", { "one", "two" } },
        { "one\ntwo\n", { "one\ntwo\n" } },
        { "one\r\r\ntwo", { "one", "", "two" } },
        { "\n\r\n", { "\n" } },
        { "one\n\rtwo", { "one\n", "two" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        EXPECT_EQ(readLines(writeFile(c.bytes)), c.lines);
    }
}

TEST_F(TextFileTest, DecodesEveryByteAsWindowsDoes)
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
        if (byte == '\r')
            continue;
        bytes.append(char(byte));
        expected.append(byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte));
    }
    const QStringList lines = readLines(writeFile(bytes));
    ASSERT_EQ(lines.size(), 1);
    ASSERT_EQ(lines.first().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines.first().at(i).unicode(), expected.at(i).unicode());
    }
}

TEST_F(TextFileTest, MissingFileThrows)
{
    EXPECT_THROW(TextFile(m_dir.filePath("missing.txt")), FileError);
    EXPECT_THROW(TextFile(m_dir.path()), FileError);
}

} // namespace
