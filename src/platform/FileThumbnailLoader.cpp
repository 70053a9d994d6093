#include "platform/FileThumbnailLoader.h"

#include "common/Dispatch.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Files larger than this are not decoded for a thumbnail; their type icon serves.
constexpr qint64 kMaxDecodedFileSize = qint64(64) << 20;

QImage fromCache(const QString& path, const QFileInfo& info)
{
    for (const QString& flavour : {QStringLiteral("normal"), QStringLiteral("large")}) {
        const QString thumb = FileThumbnailLoader::cachePath(path, flavour);
        if (!QFileInfo::exists(thumb))
            continue;
        QImageReader reader(thumb, "png");
        // A thumbnail made before the file last changed shows what it no longer is.
        if (reader.text(QStringLiteral("Thumb::MTime")) !=
            QString::number(info.lastModified().toSecsSinceEpoch()))
            continue;
        const QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return {};
}

QImage decoded(const QString& path, const QFileInfo& info, int size)
{
    if (info.size() > kMaxDecodedFileSize)
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {};
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > size || full.height() > size))
        reader.setScaledSize(full.scaled(size, size, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace

FileThumbnailLoader::FileThumbnailLoader(QObject* parent)
    : QObject(parent), cache_(4 << 20), alive_(std::make_shared<int>(0))
{
}

FileThumbnailLoader::~FileThumbnailLoader()
{
    alive_.reset();
}

QString FileThumbnailLoader::cachePath(const QString& path, const QString& flavour)
{
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
                         QStringLiteral(".png");
    const QString cacheHome = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(cacheHome).filePath(QStringLiteral("thumbnails/%1/%2").arg(flavour, name));
}

QImage FileThumbnailLoader::read(const QString& path, int size)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    QImage image = fromCache(path, info);
    if (image.isNull())
        image = decoded(path, info, size);
    if (!image.isNull() && (image.width() > size || image.height() > size))
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage FileThumbnailLoader::thumbnail(const QString& path)
{
    if (const QImage* cached = cache_.object(path))
        return *cached;
    if (pending_.contains(path))
        return {};
    pending_.insert(path);
    const std::weak_ptr<int> alive = alive_;
    queue_.async([this, alive, path] {
        if (alive.expired())
            return;
        const QImage image = read(path);
        Dispatch::main([this, alive, path, image] {
            if (alive.expired())
                return;
            pending_.remove(path);
            cache_.insert(path, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes()));
            if (!image.isNull())
                Q_EMIT thumbnailLoaded(path);
        });
    });
    return {};
}
