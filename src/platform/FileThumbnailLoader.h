#pragma once

#include "common/SerialQueue.h"

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

// Thumbnails of files on disk, made off the GUI thread: the freedesktop thumbnail cache when it
// holds a current one, else the file itself decoded when it is an image. Each file is read once;
// the GUI asks for what is here and hears thumbnailLoaded when a read finishes.
class FileThumbnailLoader : public QObject
{
    Q_OBJECT
public:
    // Thumbnails are kept no larger than this many pixels on a side.
    static constexpr int kSize = 128;

    explicit FileThumbnailLoader(QObject* parent = nullptr);
    ~FileThumbnailLoader() override;

    // The thumbnail of path: a null image while it is being read or when there is none (the
    // caller shows the file type's icon then). Queues the read on the first ask only.
    QImage thumbnail(const QString& path);

    // Reads one thumbnail on the calling thread.
    static QImage read(const QString& path, int size = kSize);
    // Where the freedesktop cache keeps a file's thumbnail of the given flavour ("normal",
    // "large"), whether or not it is there.
    static QString cachePath(const QString& path, const QString& flavour);

Q_SIGNALS:
    void thumbnailLoaded(const QString& path);

private:
    QCache<QString, QImage> cache_;
    QSet<QString> pending_;
    std::shared_ptr<int> alive_;
    SerialQueue queue_{QStringLiteral("file-thumbnails")};
};
