#include "platform/IconCache.h"

#include "common/Dispatch.h"
#include "common/Log.h"

#include <QFileInfo>

namespace {
const QString kTag = QStringLiteral("IconCache");
}

IconCache::IconCache(Loader loader, qsizetype capacity, QObject* parent)
    : QObject(parent), loader_(std::move(loader)), cache_(capacity)
{
}

IconCache::~IconCache() = default;

std::optional<QImage> IconCache::cachedIcon(const QString& path) const
{
    std::lock_guard lock(mutex_);
    if (const QImage* icon = cache_.object(path))
        return *icon;
    return std::nullopt;
}

QImage IconCache::icon(const QString& path)
{
    if (path.isEmpty())
        return {};
    if (!Dispatch::isMainThread()) {
        if (auto cached = cachedIcon(path))
            return *cached;
        return read(path);
    }
    {
        std::lock_guard lock(mutex_);
        if (const QImage* icon = cache_.object(path))
            return *icon;
        if (pending_.contains(path))
            return {};
        pending_.insert(path);
    }
    queue_.async([this, path] {
        const QImage icon = read(path);
        QMetaObject::invokeMethod(
            this,
            [this, path, icon] {
                {
                    std::lock_guard lock(mutex_);
                    pending_.remove(path);
                }
                Q_EMIT iconLoaded(path, icon);
            },
            Qt::QueuedConnection);
    });
    return {};
}

QImage IconCache::read(const QString& path)
{
    QImage icon;
    // A removed application would otherwise get the generic icon of a missing file.
    if (!QFileInfo::exists(path))
        Log::warning(kTag, QStringLiteral("no icon, the file is gone: %1").arg(path));
    else if (icon = loader_(path); icon.isNull())
        Log::info(kTag, QStringLiteral("no icon found for %1").arg(path));
    std::lock_guard lock(mutex_);
    // Misses are kept too, so a missing icon is looked for (and logged) once, not on every paint.
    cache_.insert(path, new QImage(icon));
    return icon;
}
