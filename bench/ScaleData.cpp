#include "bench/ScaleData.h"

#include "bench/RawDatabase.h"
#include "bench/SyntheticNames.h"
#include "namedb/NewDatabase.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <algorithm>
#include <stdexcept>

namespace tervala::bench {

namespace {

constexpr int PageItems = 250;

void createFromSchema(const QString& path, const QString& schemaFile)
{
    createDatabase(path, QStringLiteral(TERVALA_DATA_DIR "/") + schemaFile);
}

QString listItem(const SyntheticName& row, int index)
{
    const QString name = index % 10 == 0 ? "<b>" + row.nama + "</b>" : row.nama;
    const QString meaning = index % 7 == 0 ? row.arti + " <i>" + row.asal + "</i>" : row.arti;
    return "<li><font size=\"2\" color=\"#9393FF\">" + name + "</font> meaning &quot;" + meaning + "&quot;</li>\r\n";
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
}

} // namespace

void writeNameDatabase(const QString& path, int rows)
{
    createFromSchema(path, QStringLiteral("ter.va.sql"));
    RawDatabase db(path);
    SyntheticNames names;
    db.executeScript("begin");
    for (int i = 0; i < rows; ++i)
        db.insertName(names.next());
    db.executeScript("commit");
}

void writeStagingDatabase(const QString& path)
{
    createFromSchema(path, QStringLiteral("db17000.sql"));
}

void writeListPages(const QString& folder, int items)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error(QStringLiteral("%1: cannot make the folder").arg(folder).toStdString());
    QStringEncoder windows1252("windows-1252");
    if (!windows1252.isValid())
        throw std::runtime_error("this Qt build has no windows-1252 encoder");
    SyntheticNames names;
    for (int first = 0, page = 1; first < items; first += PageItems, ++page) {
        QString text = QStringLiteral("<html><head><title>Names</title></head><body>\r\n<ul>\r\n");
        QString pageName;
        for (int index = first; index < std::min(first + PageItems, items); ++index) {
            const SyntheticName row = names.next();
            if (pageName.isEmpty())
                pageName = QStringLiteral("%1_%2_%3.htm").arg(row.jk, row.asal).arg(page);
            text += listItem(row, index);
        }
        text += QStringLiteral("</ul>\r\n</body></html>\r\n");
        writeFile(QDir(folder).filePath(pageName), windows1252.encode(text));
    }
}

std::unique_ptr<QTemporaryDir> makeWorkFolder()
{
    QString root = qEnvironmentVariable("TERVALA_BENCH_DIR");
    if (root.isEmpty())
        root = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    auto folder = std::make_unique<QTemporaryDir>(root + QStringLiteral("/tervala-bench-XXXXXX"));
    if (!folder->isValid())
        throw std::runtime_error(QStringLiteral("%1: %2").arg(root, folder->errorString()).toStdString());
    return folder;
}

} // namespace tervala::bench
