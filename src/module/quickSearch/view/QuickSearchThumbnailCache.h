#pragma once

#include "model/HistoryReader.h"
#include "model/PasteInfoDisplayType.h"
#include "platform/PasteboardItem.h"

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// What a cell shows of an item that its display row cannot tell: an image's thumbnail, a file
// list's names, or the kind and text of an item never classified before.
struct QuickSearchCellPreview
{
    std::optional<PasteInfoDisplayType> displayType;
    QImage thumbnail;
    QStringList fileNames;
    QString text;
};

// Cell previews by uuid within a byte budget. The GUI thread only looks up: a miss asks for the
// item's content (the store's content cache, on its reader thread) and decodes and scales it on
// a worker, then previewLoaded says it is here. Thumbnails are kept at the pixel height asked
// for, so a list of large images costs a few kilobytes an item.
class CoreDataManager;

class QuickSearchThumbnailCache : public QObject
{
    Q_OBJECT
public:
    // Reads an item's content by row id and calls done, on any thread.
    using ContentLoader =
        std::function<void(qint64 id, std::function<void(const std::optional<PasteboardItems>& items)> done)>;

    static constexpr qint64 kDefaultBudget = qint64(24) << 20;

    // Without a loader, content comes from CoreDataManager::loadContent.
    // Without a loader, content comes from the store's loadContent; first classifications are
    // recorded in the store, which must outlive the cache.
    explicit QuickSearchThumbnailCache(CoreDataManager& store, ContentLoader loader = {},
                                       QObject* parent = nullptr);
    ~QuickSearchThumbnailCache() override;

    // What is here for the row at a thumbnail height in device pixels; absent while it is
    // being read (the read is queued once). A preview whose content could not be read has no
    // display type.
    std::optional<QuickSearchCellPreview> preview(const PasteInfRow& row, int thumbnailHeight);

    void setBudget(qint64 bytes);
    qint64 usedBytes() const;

Q_SIGNALS:
    void previewLoaded(const QString& uuid);

private:
    struct Worker;
    void store(const QString& key, const QString& uuid, const QuickSearchCellPreview& preview);

    CoreDataManager& store_;
    ContentLoader loader_;
    // Cost in bytes (QCache counts in int; the budget stays far below its limit).
    QCache<QString, QuickSearchCellPreview> cache_;
    QSet<QString> pending_;
    std::shared_ptr<int> alive_;
    // Last: its queue finishes what it has before the rest goes.
    std::shared_ptr<Worker> worker_;
};
