// tervala_coverage: prints how many US births the names of data/names.tsv cover, for 1990-2024, 2024 alone and
// 1950-1989, and the most given pairs of name and sex the list still lacks.
// Usage: tervala_coverage <us-name-data.sqlite> <names.tsv> [missing pairs to list, 40 unless given]
#include "tools/coverage/BirthCounts.h"
#include "tools/coverage/Coverage.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <stdexcept>

using namespace tervala;

namespace {

QString percent(qint64 part, qint64 whole)
{
    return QString::number(whole > 0 ? 100.0 * double(part) / double(whole) : 0.0, 'f', 1) + QStringLiteral(" %");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3 || arguments.size() > 4) {
        std::fprintf(stderr, "usage: tervala_coverage <us-name-data.sqlite> <names.tsv> [missing pairs]\n");
        return 2;
    }
    const int missingCount = arguments.size() == 4 ? arguments[3].toInt() : 40;
    try {
        const QHash<QString, bool> listed = coverage::listedPairs(makedb::readNamesFile(arguments[2]));
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        std::printf("Births covered by the names of %s (name and sex; letters compared case-blind, accents folded):\n",
                    qPrintable(arguments[2]));
        const struct {
            const char* label;
            int first;
            int last;
        } periods[] = { { "1990-2024", 1990, 2024 }, { "2024     ", 2024, 2024 }, { "1950-1989", 1950, 1989 } };
        QHash<QString, qint64> recent;
        for (const auto& period : periods) {
            const QHash<QString, qint64> births = coverage::readBirthCounts(arguments[1], period.first, period.last);
            const coverage::Figures figures = coverage::coverage(births, listed);
            std::printf("  %s  %s of %s births; with a meaning: %s\n",
                        period.label,
                        qPrintable(percent(figures.covered, figures.births)),
                        qPrintable(english.toString(figures.births)),
                        qPrintable(percent(figures.withMeaning, figures.births)));
            if (period.first == 1990)
                recent = births;
        }
        std::printf("Most given pairs still missing, 1990-2024 (name, sex, births):\n");
        for (const QString& line : coverage::missingPairs(recent, listed, missingCount))
            std::printf("  %s\n", qPrintable(line));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "tervala_coverage: %s\n", error.what());
        return 1;
    }
    return 0;
}
