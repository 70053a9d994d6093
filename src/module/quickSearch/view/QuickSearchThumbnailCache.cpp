#include "QuickSearchThumbnailCache.h"

#include "common/Dispatch.h"
#include "common/SerialQueue.h"
#include "model/CoreDataManager.h"
#include "model/PasteBoardUtils.h"
#include "model/PasteInfModel.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A panorama is kept no wider than this many times its height; the cell is narrower anyway.
constexpr int kMaxAspect = 6;

QImage thumbnailOf(const QByteArray& data, int height)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    // Formats that can decode at a smaller size (JPEG) do; the others are scaled after reading.
    if (size.isValid() && size.height() > height) {
        const int width = std::max(1, std::min(size.width() * height / size.height(), height * kMaxAspect));
        reader.setScaledSize(QSize(width, height));
    }
    QImage image = reader.read();
    if (!image.isNull() && image.height() > height)
        image = image.scaledToHeight(height, Qt::SmoothTransformation);
    if (image.width() > height * kMaxAspect)
        image = image.copy(0, 0, height * kMaxAspect, image.height());
    return image;
}

QuickSearchCellPreview previewOf(CoreDataManager& store, const PasteInfRow& row,
                                 const std::optional<PasteboardItems>& items, int thumbnailHeight)
{
    QuickSearchCellPreview preview;
    if (!items || items->isEmpty())
        return preview;
    PasteInfModel model = row.toModel(items);
    // An item never classified is classified here, off the GUI thread, and the store records it.
    const std::optional<PreferredContent> content = PasteBoardUtils::preferredContent(model, &store);
    if (!content)
        return preview;
    preview.displayType = content->displayType;
    switch (content->displayType) {
    case PasteInfoDisplayType::Image:
        if (const auto* data = std::get_if<QByteArray>(&content->value))
            preview.thumbnail = thumbnailOf(*data, thumbnailHeight);
        break;
    case PasteInfoDisplayType::File:
        if (const auto* files = std::get_if<QList<FileEntry>>(&content->value))
            for (const FileEntry& file : *files)
                preview.fileNames.append(QFileInfo(file.path).fileName());
        break;
    case PasteInfoDisplayType::Text:
    case PasteInfoDisplayType::PlainText:
    case PasteInfoDisplayType::Link:
    case PasteInfoDisplayType::Color:
        if (const auto* text = std::get_if<QString>(&content->value))
            preview.text = PasteInfRow::previewOf(*text);
        break;
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
        preview.text = PasteInfRow::previewOf(items->first().readableText().value_or(QString()));
        break;
    case PasteInfoDisplayType::Unknown:
        break;
    }
    return preview;
}

qint64 costOf(const QuickSearchCellPreview& preview)
{
    qint64 bytes = 256 + preview.thumbnail.sizeInBytes() + preview.text.size() * 2;
    for (const QString& name : preview.fileNames)
        bytes += 32 + name.size() * 2;
    return bytes;
}

} // namespace

struct QuickSearchThumbnailCache::Worker
{
    SerialQueue queue{QStringLiteral("thumbnails")};
};

QuickSearchThumbnailCache::QuickSearchThumbnailCache(CoreDataManager& store, ContentLoader loader,
                                                     QObject* parent)
    : QObject(parent), store_(store), loader_(std::move(loader)), cache_(int(kDefaultBudget)),
      alive_(std::make_shared<int>(0)), worker_(std::make_shared<Worker>())
{
    if (!loader_)
        loader_ = [&store](qint64 id, std::function<void(const std::optional<PasteboardItems>&)> done) {
            store.loadContent(id, std::move(done), false);
        };
}

QuickSearchThumbnailCache::~QuickSearchThumbnailCache()
{
    alive_.reset();
}

std::optional<QuickSearchCellPreview> QuickSearchThumbnailCache::preview(const PasteInfRow& row,
                                                                         int thumbnailHeight)
{
    const QString key = row.uuid + QLatin1Char('@') + QString::number(thumbnailHeight);
    if (const QuickSearchCellPreview* cached = cache_.object(key))
        return *cached;
    if (pending_.contains(key))
        return std::nullopt;
    pending_.insert(key);
    const std::weak_ptr<Worker> weakWorker = worker_;
    const std::weak_ptr<int> alive = alive_;
    // The content is read on the store's reader thread; decoding and scaling go to the worker so
    // that thread is free for the next item.
    loader_(row.id, [weakWorker, alive, row, key, thumbnailHeight,
                     this](const std::optional<PasteboardItems>& items) {
        const std::shared_ptr<Worker> worker = weakWorker.lock();
        if (!worker)
            return;
        worker->queue.async([alive, row, key, items, thumbnailHeight, history = &store_, this] {
            if (alive.expired())
                return;
            const QuickSearchCellPreview preview = previewOf(*history, row, items, thumbnailHeight);
            Dispatch::main([alive, key, uuid = row.uuid, preview, this] {
                if (!alive.expired())
                    store(key, uuid, preview);
            });
        });
    });
    return std::nullopt;
}

void QuickSearchThumbnailCache::store(const QString& key, const QString& uuid,
                                      const QuickSearchCellPreview& preview)
{
    pending_.remove(key);
    cache_.insert(key, new QuickSearchCellPreview(preview),
                  int(std::min<qint64>(costOf(preview), cache_.maxCost())));
    Q_EMIT previewLoaded(uuid);
}

void QuickSearchThumbnailCache::setBudget(qint64 bytes)
{
    cache_.setMaxCost(int(std::clamp<qint64>(bytes, 1, std::numeric_limits<int>::max())));
}

qint64 QuickSearchThumbnailCache::usedBytes() const
{
    return cache_.totalCost();
}
