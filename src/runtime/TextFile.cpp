#include "runtime/TextFile.h"

#include "runtime/FileError.h"

#include <QFile>
#include <QStringDecoder>

namespace tervala::rt {

namespace {

// Windows-1252 comes from ICU, not from Qt itself; a build without it must fail loudly, never decode as Latin-1.
bool windows1252Available()
{
    static const bool available = QStringDecoder("windows-1252").isValid();
    return available;
}

} // namespace

TextFile::TextFile(const QString& hostPath)
{
    if (!windows1252Available())
        throw FileError(hostPath, "This Qt build has no Windows-1252 decoder");
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(hostPath, "Cannot open file: " + file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(hostPath, "Cannot read file: " + file.errorString());
    QStringDecoder decoder("windows-1252");
    m_text = decoder(bytes);
}

QString TextFile::readLine()
{
    Q_ASSERT(!atEnd());
    const qsizetype end = m_text.indexOf(QChar(u'\r'), m_position);
    if (end < 0) {
        const QString line = m_text.mid(m_position);
        m_position = m_text.size();
        return line;
    }
    const QString line = m_text.mid(m_position, end - m_position);
    m_position = end + 1;
    if (m_position < m_text.size() && m_text.at(m_position) == u'\n')
        ++m_position;
    return line;
}

} // namespace tervala::rt
