#include "runtime/hostfiles/DataHome.h"

#include "runtime/hostfiles/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

namespace tervala::rt {

QString dataHome(const QByteArray& xdgDataHome, const QString& homeFolder)
{
    if (!xdgDataHome.startsWith('/'))
        return QDir::cleanPath(homeFolder + QStringLiteral("/.local/share"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString folder = utf8.decode(xdgDataHome);
    if (utf8.hasError())
        throw FileError(folder,
                        QCoreApplication::translate("DataHome",
                                                    "XDG_DATA_HOME holds bytes that are not UTF-8; name a folder "
                                                    "whose name is UTF-8 text"));
    return QDir::cleanPath(folder);
}

} // namespace tervala::rt
