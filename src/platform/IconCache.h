#pragma once

#include "common/SerialQueue.h"

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>

// Application icons by bundle path (a .desktop file or an executable), kept in a bounded cache
// and read off the GUI thread: the GUI gets what is already here at once, and the rest is read
// on the cache's own queue and announced by iconLoaded.
class IconCache : public QObject
{
    Q_OBJECT
public:
    // Reads one icon (the workspace's icon lookup); called on background threads only.
    using Loader = std::function<QImage(const QString& path)>;

    explicit IconCache(Loader loader, qsizetype capacity = 256, QObject* parent = nullptr);
    ~IconCache() override;

    // The icon of path, or a null image when there is none. Off the GUI thread it is read
    // through the cache, on the caller's thread. On the GUI thread nothing is read: a miss gives
    // a null image, queues the read and announces the icon with iconLoaded.
    QImage icon(const QString& path);

    // What the cache holds for path: an icon, a null image when path is known to have none,
    // nothing when it was not read yet. Never reads.
    std::optional<QImage> cachedIcon(const QString& path) const;

Q_SIGNALS:
    // A read queued by icon() on the GUI thread is done; icon is null when path has none.
    // Emitted on the GUI thread.
    void iconLoaded(const QString& path, const QImage& icon);

private:
    QImage read(const QString& path);

    Loader loader_;
    // Held only to look up and insert, never while a file is read; a queue would make the GUI
    // wait behind a read just to learn that an icon is not there yet.
    mutable std::mutex mutex_;
    QCache<QString, QImage> cache_;
    QSet<QString> pending_;
    // Last, so it finishes its reads before the members they use go away.
    SerialQueue queue_{QStringLiteral("icons")};
};
