// tervala_makedb: makes a database file of the program from its schema when the file is missing, and with
// --names adds the sample names it lacks. An existing file is never replaced, and a new one appears under its
// name only once it is complete, so a failed run leaves nothing that a later run would take as made.
#include "tools/makedb/DatabaseFile.h"
#include "tools/makedb/NamesFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <optional>
#include <stdexcept>

using namespace tervala::makedb;

namespace {

// Adds the names of the file at namesPath that file lacks and stamps it with their mark; returns how many.
int addSampleNames(DatabaseFile& file, const QString& namesPath)
{
    const int added = file.addMissingNames(readNamesFile(namesPath));
    file.stampSampleMark(namesPath);
    return added;
}

// Returns how many names were added (all of them for a new file).
int makeDatabase(const QString& path, const QString& schemaPath, const std::optional<QString>& namesPath)
{
    if (QFile::exists(path)) {
        if (!namesPath)
            return 0;
        DatabaseFile file = DatabaseFile::openExisting(path);
        return addSampleNames(file, *namesPath);
    }
    const QString partPath = path + QStringLiteral(".part");
    QFile::remove(partPath);
    int added = 0;
    {
        DatabaseFile file = DatabaseFile::create(partPath, schemaPath);
        if (namesPath)
            added = addSampleNames(file, *namesPath);
    }
    if (!QFile::rename(partPath, path))
        throw std::runtime_error(QStringLiteral("%1: cannot rename to %2").arg(partPath, path).toStdString());
    std::printf("%s: created\n", qPrintable(path));
    return added;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes a database file of Tervala unless it exists."));
    parser.addHelpOption();
    const QCommandLineOption schemaOption(QStringLiteral("schema"),
                                          QStringLiteral("SQL script that makes a new file."),
                                          QStringLiteral("file.sql"));
    const QCommandLineOption namesOption(QStringLiteral("names"),
                                         QStringLiteral("Sample names to add to table namabayi."),
                                         QStringLiteral("names.tsv"));
    parser.addOption(schemaOption);
    parser.addOption(namesOption);
    parser.addPositionalArgument(QStringLiteral("database"), QStringLiteral("The database file."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(schemaOption)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    const QString path = parser.positionalArguments().constFirst();
    try {
        std::optional<QString> namesPath;
        if (parser.isSet(namesOption))
            namesPath = parser.value(namesOption);
        const int added = makeDatabase(path, parser.value(schemaOption), namesPath);
        if (added > 0)
            std::printf("%s: %d names added\n", qPrintable(path), added);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "tervala_makedb: %s\n", error.what());
        return 1;
    }
    return 0;
}
