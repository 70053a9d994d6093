#include "ImageTextReader.h"

#include "common/Log.h"
#include "common/Threads.h"
#include "model/CoreDataManager.h"
#include "platform/PasteboardTypes.h"
#include "platform/TextRecognizer.h"

#include <QBuffer>
#include <QImageReader>

namespace {
const QString kTag = QStringLiteral("ImageTextReader");

// The first image representation of the first item, PNG preferred.
std::optional<QByteArray> imageBytes(const PasteboardItems& items)
{
    if (items.isEmpty())
        return std::nullopt;
    const PasteboardItem& item = items.first();
    if (auto png = item.dataForType(PasteboardType::png))
        return png;
    for (const QString& type : item.types())
        if (PasteboardType::isImage(type))
            return item.dataForType(type);
    return std::nullopt;
}
} // namespace

ImageTextReader::ImageTextReader(CoreDataManager& store, SettingsProvider settings)
    : store_(store), settings_(std::move(settings))
{
}

ImageTextReader::~ImageTextReader()
{
    stop();
}

void ImageTextReader::start()
{
    if (thread_.joinable())
        return;
    stopping_ = false;
    observerKey_ = store_.addChangeObserver([this](const HistoryChange& change) {
        if (change.kind == HistoryChange::Kind::AddedToTop)
            wake();
    });
    thread_ = std::thread([this] { run(); });
}

void ImageTextReader::wake()
{
    {
        std::lock_guard lock(mutex_);
        pending_ = true;
    }
    woken_.notify_one();
}

void ImageTextReader::stop()
{
    if (!thread_.joinable())
        return;
    store_.removeChangeObserver(observerKey_);
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    woken_.notify_one();
    thread_.join();
}

void ImageTextReader::run()
{
    Threads::nameCurrent("image-text");
    TextRecognizer::lowerThisThreadsPriority();
    while (!stopping_) {
        {
            std::unique_lock lock(mutex_);
            woken_.wait(lock, [this] { return pending_ || stopping_; });
            pending_ = false;
        }
        while (!stopping_) {
            const Settings settings = settings_ ? settings_() : Settings();
            if (!settings.enabled)
                break;
            const auto next = store_.nextImageToRead();
            if (!next || !readOne(next->id, next->uuid, settings))
                break;
        }
    }
}

bool ImageTextReader::readOne(qint64 id, const QString& uuid, const Settings& settings)
{
    CoreDataManager& store = store_;
    const auto items = store.fetchPasteboardItems(uuid);
    const auto bytes = items ? imageBytes(*items) : std::nullopt;
    if (!bytes) {
        // Its types named an image it does not hold.
        return store.recordImageText(id, CoreDataManager::ImageTextState::NoImage);
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    // The size is in the header: a huge image is turned down before it is decoded.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels) {
        Log::info(kTag, QStringLiteral("image %1 not read: %2×%3 is over %4 megapixels")
                            .arg(uuid)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(maxPixels / 1'000'000));
        return store.recordImageText(id, CoreDataManager::ImageTextState::Skipped);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        Log::warning(kTag, QStringLiteral("image %1 not read: %2").arg(uuid, reader.errorString()));
        return store.recordImageText(id, CoreDataManager::ImageTextState::Skipped);
    }
    if (qint64(image.width()) * image.height() > maxPixels) {
        Log::info(
            kTag,
            QStringLiteral("image %1 not read: over %2 megapixels").arg(uuid).arg(maxPixels / 1'000'000));
        return store.recordImageText(id, CoreDataManager::ImageTextState::Skipped);
    }
    thread_local TextRecognizer recognizer;
    const auto text = recognizer.recognise(image, settings.languages, stopping_);
    if (!text)
        return false;
    ++readCount_;
    return store.recordImageText(id, CoreDataManager::ImageTextState::Read, *text);
}
