#include "runtime/FolderListing.h"

#include "runtime/FileError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tervala::rt {

QStringList listFolder(const QString& hostFolder, FolderEntries kinds)
{
    const QFileInfo folderInfo(hostFolder);
    if (!folderInfo.isDir())
        return {};
    const QDir folder(hostFolder);
    if (!folder.isReadable())
        throw FileError(hostFolder, "Cannot list folder");
    // Without QDir::Hidden and QDir::System, dot names, sockets, devices and broken links stay out.
    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (kinds == FolderEntries::FilesAndFolders)
        filters |= QDir::Dirs;
    QStringList names = folder.entryList(filters, QDir::NoSort);
    std::sort(names.begin(), names.end(), listsBefore);
    return names;
}

bool listsBefore(const QString& a, const QString& b)
{
    const int folded = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

} // namespace tervala::rt
