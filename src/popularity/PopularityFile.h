// The popularity file, popularity.db in the program folder: births and rank of each recorded name per sex and
// year, read over a connection of its own. The file is optional; the importer (PopularityImport.h) writes it.
// Names are keyed by ucase(name), so a lookup ignores letter case and keeps accents; record() falls back to the
// name without its accents, since the US records spell every name in plain ASCII letters.
#pragma once

#include "namedb/NameRow.h"
#include "runtime/database/Connection.h"

#include <QList>
#include <QString>

#include <memory>

namespace tervala {

inline const QString PopularityFileName = QStringLiteral("popularity.db");

// One recorded year of one name and sex. rank: 1 for the name given most often that year to that sex.
struct YearCount {
    int year = 0;
    qint64 births = 0;
    int rank = 0;

    bool operator==(const YearCount&) const = default;
};

// A name's recorded years for one sex and the spelling they are recorded under.
struct NameRecord {
    QList<YearCount> years;
    QString spelling;
};

// What the importer noted: the source file's name, its row count and the years it covers.
struct PopularityNote {
    QString source;
    qint64 rows = 0;
    int firstYear = 0;
    int lastYear = 0;
};

class PopularityFile {
public:
    // Opens <folder>/popularity.db and reads its note; nullptr when there is no such file, so a program without
    // one sends no statement to it. Throws DbError when the file is there but is no popularity file.
    static std::unique_ptr<PopularityFile> openIn(const QString& folder);

    const PopularityNote& note() const { return m_note; }

    // The recorded years of name for sex, oldest first; empty when the name was never recorded for it.
    QList<YearCount> history(const QString& name, Gender sex);
    // The recorded years of name for sex under name itself or, when it has none but the name has accents, under
    // withoutAccents(name) (Adèle is found as Adele). spelling is the one they were found under, else name.
    NameRecord record(const QString& name, Gender sex);

private:
    PopularityFile() = default;

    rt::Connection m_connection;
    PopularityNote m_note;
};

// text with its accents and other combining marks dropped: "Zoë" gives "Zoe", "José" "Jose".
QString withoutAccents(const QString& text);

} // namespace tervala
