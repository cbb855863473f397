// A text file read line by line as the old platform read it in its ANSI code page: bytes decoded from
// Windows-1252, a line ended by a carriage return or by a carriage return and a line feed (the terminator is
// dropped). A line feed with no carriage return before it ends no line and stays in the text.
#pragma once

#include <QByteArray>
#include <QString>

namespace tervala::rt {

class TextFile {
public:
    // Reads the whole file at hostPath (the host's own bytes of the path). Throws FileError when it is not a
    // regular file after following links, holds more than maxBytes bytes, cannot be opened or read, or when this
    // Qt build cannot decode Windows-1252. No more than maxBytes + 1 bytes are ever read.
    TextFile(const QByteArray& hostPath, qint64 maxBytes);

    bool atEnd() const { return m_position >= m_text.size(); }
    // The next line without its terminator. The caller checks atEnd() first.
    QString readLine();

private:
    QString m_text;
    qsizetype m_position = 0; // 0-based index of the next unread character
};

} // namespace tervala::rt
