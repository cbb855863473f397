// The packaged folder is found relative to the executable, so an install under any prefix works unchanged.
#include "namedb/ProgramFolder.h"

#include "namedb/ConnectionString.h"
#include "namedb/SampleNames.h"
#include "runtime/hostfiles/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtDebug>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tervala {

namespace {

const QString DataFolderName = QStringLiteral("tervala");

// Fails unless folder exists (made when missing) and the user may create and change files in it.
void requireWritableFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw rt::FileError(folder, QCoreApplication::translate("ProgramFolder", "Cannot create the data folder"));
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        throw rt::FileError(folder, QCoreApplication::translate("ProgramFolder", "Cannot write in the data folder"));
}

// Carries the names a newer package brings into the user's existing name database. A failure only postpones
// this to a later start: the user's file is as it was, and the program runs on it.
void addNewSampleNamesOnce(const QString& userDatabase, const QString& packagedDatabase)
{
    try {
        if (sampleMarkOf(userDatabase) != sampleMarkOf(packagedDatabase))
            addNewSampleNames(userDatabase, packagedDatabase);
    } catch (const rt::FileError& error) {
        qWarning("Tervala: the new sample names were not added this time (%s)", error.what());
    }
}

} // namespace

QString packagedDataFolder(const QString& executableFolder)
{
    QDir prefix(executableFolder);
    if (prefix.dirName() != QLatin1String("bin") || !prefix.cdUp())
        return {};
    const QString folder = prefix.filePath(QStringLiteral("share/") + DataFolderName);
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString prepareProgramFolder(const QString& executableFolder, const QString& dataHome)
{
    const QString packaged = packagedDataFolder(executableFolder);
    if (packaged.isEmpty())
        return executableFolder;
    const QString folder = QDir::cleanPath(dataHome + QLatin1Char('/') + DataFolderName);
    requireWritableFolder(folder);
    for (const QString& name : { NameDatabaseFile, StagingDatabaseFile }) {
        const QString target = folder + QLatin1Char('/') + name;
        const QString sourcePath = packaged + QLatin1Char('/') + name;
        if (QFileInfo::exists(target)) {
            if (name == NameDatabaseFile)
                addNewSampleNamesOnce(target, sourcePath);
            continue;
        }
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly))
            throw rt::FileError(source.fileName(), source.errorString());
        copyIfMissing(source, target);
    }
    return folder;
}

bool copyIfMissing(QIODevice& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return false;
    const QFileInfo targetInfo(target);
    QTemporaryFile part(
        targetInfo.dir().filePath(QLatin1Char('.') + targetInfo.fileName() + QStringLiteral(".XXXXXX")));
    if (!part.open())
        throw rt::FileError(part.fileTemplate(), part.errorString());
    char buffer[65536];
    for (;;) {
        const qint64 read = source.read(buffer, sizeof buffer);
        if (read < 0)
            throw rt::FileError(target,
                                QCoreApplication::translate("ProgramFolder", "Cannot read the file to copy: ")
                                    + source.errorString());
        if (read == 0)
            break;
        if (part.write(buffer, read) != read)
            throw rt::FileError(target,
                                QCoreApplication::translate("ProgramFolder", "Cannot write the copy: ")
                                    + part.errorString());
    }
    if (!part.flush())
        throw rt::FileError(target,
                            QCoreApplication::translate("ProgramFolder", "Cannot write the copy: ")
                                + part.errorString());
    // fsync fails past Qt (a full disk may only show here), so its reason comes from errno.
    if (::fsync(part.handle()) != 0)
        throw rt::FileError(target,
                            QCoreApplication::translate("ProgramFolder", "Cannot write the copy: ")
                                + QString::fromLocal8Bit(strerror(errno)));
    // Synced first, so that a crash cannot leave an empty file under the final name. QTemporaryFile renames
    // without replacing, so a file that appeared meanwhile wins and the copy is dropped.
    if (!part.rename(target)) {
        if (QFileInfo::exists(target))
            return false;
        throw rt::FileError(target,
                            QCoreApplication::translate("ProgramFolder", "Cannot rename the copy: ")
                                + part.errorString());
    }
    part.setAutoRemove(false);
    return true;
}

} // namespace tervala
