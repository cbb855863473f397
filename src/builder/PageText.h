// The page conventions of the two page imports: a saved page read into one text, the 1-based find, and the
// marker cut that takes a value out of the text from a moving scan position (the cursor).
// Positions are 1-based QString code unit positions; 0 means "not found". No search starts before position 1.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tervala {

// The largest page file read, in bytes: a saved web page is far smaller, and a larger file (or a link to a
// device that never ends) gets an error instead of exhausting the machine.
constexpr qint64 MaxPageBytes = 64 * 1024 * 1024;

// The file's lines, decoded from Windows-1252, joined with nothing between them: carriage returns and
// carriage return + line feed pairs vanish, a bare line feed stays. hostPath is the host's own bytes of the
// path. Throws rt::FileError when it is not a regular file, is larger than MaxPageBytes or cannot be read.
QString readPageText(const QByteArray& hostPath);

// Position of the first exact occurrence of what that starts at or after position from, or 0 when there is none
// or from lies past the end of text. from must be 1 or more; what must not be empty.
qsizetype findText(const QString& text, const QString& what, qsizetype from);

// findText over one text, remembering the last answer for each searched text: a search from a position at or
// after the previous one for the same text, and at or before its answer, is answered without scanning. A walk
// whose searches only move forward thus scans the text about once per searched text, however many passes it
// makes. The answers are those of findText. The text must outlive the search.
class TextSearch {
public:
    explicit TextSearch(const QString& text)
        : m_text(text)
    {
    }

    const QString& text() const { return m_text; }
    qsizetype find(const QString& what, qsizetype from);

private:
    struct Answer {
        QString what;
        qsizetype from; // the position the search started at
        qsizetype found; // its result: first position at or after from, or 0
    };
    const QString& m_text;
    std::vector<Answer> m_answers; // one per searched text; a walk searches for a handful
};

struct Markers {
    QString section;
    QString start;
    QString end;
};

struct MarkerCut {
    bool sectionFound = false;
    // The new cursor: unchanged when the section or start marker is missing, else the position of the end
    // marker, which is 0 when the end marker is missing.
    qsizetype cursor = 0;
    // The text between start and end marker, form feeds removed; set only when both were found.
    std::optional<QString> value;
};

// Finds the section marker from cursor, the start marker after the section marker, and the end marker after the
// start marker. cursor must be 1 or more.
MarkerCut cutBetweenMarkers(TextSearch& search, qsizetype cursor, const Markers& markers);
MarkerCut cutBetweenMarkers(const QString& text, qsizetype cursor, const Markers& markers);

} // namespace tervala
