// tervala_gendata: makes a program folder of scale data for the benchmarks, the same for the same row count on
// every machine: ter.va with N synthetic names, an empty db17000.mdb and, with --pages, N items of list pages
// in the builder's list page folder.
#include "bench/ScaleData.h"
#include "builder/BuilderFolders.h"
#include "runtime/hostfiles/WindowsPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes a program folder of synthetic names for the benchmarks."));
    parser.addHelpOption();
    const QCommandLineOption pagesOption(QStringLiteral("pages"), QStringLiteral("Also write N items of list pages."));
    parser.addOption(pagesOption);
    parser.addPositionalArgument(QStringLiteral("rows"), QStringLiteral("Number of names, N."));
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The program folder; made if missing."));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    bool isNumber = false;
    const int rows = arguments.value(0).toInt(&isNumber);
    if (arguments.size() != 2 || !isNumber || rows < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    const QDir folder(arguments.at(1));
    try {
        if (!QDir().mkpath(folder.path()))
            throw std::runtime_error("cannot make the folder " + folder.path().toStdString());
        tervala::bench::writeNameDatabase(folder.filePath(QStringLiteral("ter.va")), rows);
        tervala::bench::writeStagingDatabase(folder.filePath(QStringLiteral("db17000.mdb")));
        if (parser.isSet(pagesOption))
            tervala::bench::writeListPages(tervala::rt::toHostPath(folder.path(), tervala::ListPageFolder), rows);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "tervala_gendata: %s\n", error.what());
        return 1;
    }
    return 0;
}
