// The program as a user starts it, on the sample database beside it: the statements that start-up sends, read
// back from the SQL trace.
#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

TEST(StartUpTrace, OriginsThenBothListsOfInitialATwice)
{
    QStringList expected = { "ter.va\tselect distinct asal from namabayi order by asal" };
    for (const char* gender : { "M", "F", "M", "F" }) {
        const QString from = QString("FROM namabayi where jk='%1'  AND ucase(left(nama,1))='A' ").arg(gender);
        expected << "ter.va\tSELECT count(nama) " + from << "ter.va\tSELECT * " + from + " order by nama";
    }
    QTemporaryDir dir;
    const QString trace = dir.filePath("sql.log");
    const auto traceLines = [&] { return QString::fromUtf8(readFile(trace)).split('\n', Qt::SkipEmptyParts); };
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TERVALA_SQL_TRACE", trace);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(TERVALA_EXECUTABLE, {});
    EXPECT_TRUE(QTest::qWaitFor([&] { return traceLines().size() >= expected.size(); }, 20000));
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(traceLines(), expected);
}
