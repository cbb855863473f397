// The folder is read with readdir, not QDir: QDir leaves out names that are not valid in the locale's encoding,
// and it keeps a link by the link's own kind.
#include "runtime/hostfiles/FolderListing.h"

#include "runtime/hostfiles/FileError.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace tervala::rt {

namespace {

struct CloseFolder {
    void operator()(DIR* folder) const { closedir(folder); }
};

} // namespace

QList<FolderEntry> listFolder(const QString& hostFolder, FolderEntries kinds)
{
    const QByteArray folderPath = QFile::encodeName(hostFolder);
    struct stat status { };
    if (stat(folderPath.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return {};
    const std::unique_ptr<DIR, CloseFolder> folder(opendir(folderPath.constData()));
    if (!folder)
        throw FileError(hostFolder, QStringLiteral("Cannot list folder: ") + QString::fromLocal8Bit(strerror(errno)));
    QList<FolderEntry> entries;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(folder.get());
        if (!entry)
            break;
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        const QByteArray path = folderPath + '/' + name;
        if (stat(path.constData(), &status) != 0)
            continue;
        const bool wanted
            = S_ISREG(status.st_mode) || (kinds == FolderEntries::FilesAndFolders && S_ISDIR(status.st_mode));
        if (wanted)
            entries.append({ hostNameText(name), path });
    }
    if (errno != 0)
        throw FileError(hostFolder, QStringLiteral("Cannot list folder: ") + QString::fromLocal8Bit(strerror(errno)));
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        if (a.name != b.name)
            return listsBefore(a.name, b.name);
        return a.hostPath < b.hostPath;
    });
    return entries;
}

bool isRegularFile(const QByteArray& hostPath)
{
    struct stat status { };
    return stat(hostPath.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

QString hostNameText(const QByteArray& hostName)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(hostName);
    if (!utf8.hasError())
        return text;
    // A Qt build without the codec cannot read pages either (TextFile says so); the name then shows U+FFFD.
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? QString(windows1252(hostName)) : text;
}

bool listsBefore(const QString& a, const QString& b)
{
    const int folded = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

} // namespace tervala::rt
