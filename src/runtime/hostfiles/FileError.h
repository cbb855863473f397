// Failures of the file layer: a folder that cannot be listed, a file that cannot be opened, read, deleted or
// created. The path is the host path that failed.
#pragma once

#include <QString>

#include <stdexcept>

namespace tervala::rt {

class FileError : public std::runtime_error {
public:
    FileError(const QString& path, const QString& reason)
        : std::runtime_error((reason + ": " + path).toStdString())
        , m_path(path)
        , m_reason(reason)
    {
    }

    QString path() const { return m_path; }
    QString reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

} // namespace tervala::rt
