#include "runtime/hostfiles/TextFile.h"

#include "runtime/hostfiles/FileError.h"
#include "runtime/hostfiles/FolderListing.h"

#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tervala::rt {

namespace {

// Windows-1252 comes from ICU, not from Qt itself; a build without it must fail loudly, never decode as Latin-1.
bool windows1252Available()
{
    static const bool available = QStringDecoder("windows-1252").isValid();
    return available;
}

// An open file descriptor, closed when it goes out of scope; -1 when the open failed.
struct Descriptor {
    int value;
    ~Descriptor()
    {
        if (value >= 0)
            ::close(value);
    }
};

} // namespace

TextFile::TextFile(const QByteArray& hostPath, qint64 maxBytes)
{
    const QString shownPath = hostNameText(hostPath);
    if (!windows1252Available())
        throw FileError(shownPath, "This Qt build has no Windows-1252 decoder");
    const auto systemError = [&](const char* what) {
        return FileError(shownPath, QString::fromLatin1(what) + QString::fromLocal8Bit(strerror(errno)));
    };
    // Without O_NONBLOCK, opening a FIFO would wait for a writer; a regular file reads the same either way.
    const Descriptor file { ::open(hostPath.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK) };
    const int descriptor = file.value;
    if (descriptor < 0)
        throw systemError("Cannot open file: ");
    struct stat status { };
    if (fstat(descriptor, &status) != 0)
        throw systemError("Cannot read file: ");
    if (!S_ISREG(status.st_mode))
        throw FileError(shownPath, "Cannot read file: not a regular file");
    const FileError tooLarge(shownPath, QStringLiteral("Cannot read file: larger than %1 bytes").arg(maxBytes));
    if (status.st_size > maxBytes)
        throw tooLarge;
    // The size may have changed since fstat: read in pieces and stop one byte past the bound.
    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    char piece[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor, piece, sizeof piece);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw systemError("Cannot read file: ");
        if (count == 0)
            break;
        bytes.append(piece, qsizetype(count));
        if (bytes.size() > maxBytes)
            throw tooLarge;
    }
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
