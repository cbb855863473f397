#include "BuilderFixture.h"

#include "TestDatabase.h"
#include "namedb/ConnectionString.h"
#include "namedb/Quoting.h"
#include "runtime/UnhandledError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace tervala;

void BuilderFixture::SetUp()
{
    ASSERT_TRUE(m_programFolder.isValid());
    createDatabaseFromSchema(QDir(m_programFolder.path()).filePath(StagingDatabaseFile), QStringLiteral("db17000.sql"));
    m_check.open(jetConnectionString(m_programFolder.path(), StagingDatabaseFile));
    rt::setUnhandledErrorHandler(
        [this](const QString& number, const QString& message) { m_errors << number + ": " + message; });
    m_form = std::make_unique<Form2>(m_programFolder.path());
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
}

void BuilderFixture::TearDown()
{
    m_form.reset();
    rt::setUnhandledErrorHandler({});
}

void BuilderFixture::writeFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = QDir(m_programFolder.path()).filePath(relativePath);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void BuilderFixture::execute(const QString& statement)
{
    m_check.execute(statement);
}

void BuilderFixture::insertRows(const QString& table, const QList<QStringList>& rows)
{
    for (const QStringList& row : rows) {
        QStringList values;
        for (const QString& value : row)
            values << (value.isNull() ? QStringLiteral("NULL") : "'" + quoteSql(value) + "'");
        execute("insert into " + table + "(nama,arti,asal,jk) values(" + values.join(',') + ")");
    }
}

QList<QStringList> BuilderFixture::rows(const QString& table)
{
    QList<QStringList> result;
    for (rt::Recordset rs = m_check.execute("select nama,arti,asal,jk from " + table + " order by rowid"); !rs.eof();
         rs.moveNext())
        result << QStringList { rs.field(0).toString(),
                                rs.field(1).toString(),
                                rs.field(2).toString(),
                                rs.field(3).toString() };
    return result;
}

void BuilderFixture::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}
