// The program as a user starts it, on the sample database beside it: the statements that start-up sends, read
// back from the SQL trace.
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList traceLines(const QString& path)
{
    QFile trace(path);
    if (!trace.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(trace.readAll()).split('\n');
    lines.removeLast(); // every line ends in a line feed
    return lines;
}

} // namespace

TEST(StartUpTrace, OriginsThenBothListsOfInitialATwice)
{
    QTemporaryDir dir;
    const QString tracePath = dir.filePath("sql.log");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TERVALA_SQL_TRACE", tracePath);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(TERVALA_EXECUTABLE, {});
    ASSERT_TRUE(program.waitForStarted());

    const QString boys = "ter.va\tSELECT count(nama) FROM namabayi where jk='M'  AND ucase(left(nama,1))='A' ";
    const QString boysRows = "ter.va\tSELECT * FROM namabayi where jk='M'  AND ucase(left(nama,1))='A'  order by nama";
    const QString girls = "ter.va\tSELECT count(nama) FROM namabayi where jk='F'  AND ucase(left(nama,1))='A' ";
    const QString girlsRows = "ter.va\tSELECT * FROM namabayi where jk='F'  AND ucase(left(nama,1))='A'  order by nama";
    const QStringList expected = {
        "ter.va\tselect distinct asal from namabayi order by asal",
        boys,
        boysRows,
        girls,
        girlsRows,
        boys,
        boysRows,
        girls,
        girlsRows,
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return traceLines(tracePath).size() >= expected.size(); }, 20000));
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(traceLines(tracePath), expected);
}
