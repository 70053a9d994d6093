#include "StoreFileAccess.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace StoreFileAccess {

namespace {

std::optional<QString> denied(const QString& path, int mode)
{
    if (::access(QFile::encodeName(path).constData(), mode) == 0)
        return std::nullopt;
    QString reason = QString::fromLocal8Bit(std::strerror(errno));
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

} // namespace

std::optional<QString> whyNotReadable(const QString& path)
{
    return denied(path, R_OK);
}

std::optional<QString> whyNotWritable(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists()) {
        if (auto reason = denied(path, R_OK | W_OK))
            return reason;
    }
    // The journal (-wal, -shm) is created beside the file.
    const QString folder = info.absolutePath();
    if (auto reason = denied(folder, W_OK | X_OK))
        return QStringLiteral("its folder %1 cannot be written: %2").arg(folder, *reason);
    return std::nullopt;
}

} // namespace StoreFileAccess
