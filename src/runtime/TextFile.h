// A text file read line by line as the old platform read it in its ANSI code page: bytes decoded from
// Windows-1252, a line ended by a carriage return or by a carriage return and a line feed (the terminator is
// dropped). A line feed with no carriage return before it ends no line and stays in the text.
#pragma once

#include <QString>

namespace tervala::rt {

class TextFile {
public:
    // Reads the whole file at hostPath. Throws FileError when it cannot be opened or read, or when this Qt build
    // cannot decode Windows-1252.
    explicit TextFile(const QString& hostPath);

    bool atEnd() const { return m_position >= m_text.size(); }
    // The next line without its terminator. The caller checks atEnd() first.
    QString readLine();

private:
    QString m_text;
    qsizetype m_position = 0; // 0-based index of the next unread character
};

} // namespace tervala::rt
