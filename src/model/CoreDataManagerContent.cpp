#include "CoreDataManagerPrivate.h"

#include <QStringDecoder>

#include <sqlite3.h>

#include <future>

namespace {

const char* const kSelectContent = "SELECT c.item_data FROM paste_inf p "
                                   "LEFT JOIN paste_inf_content c ON c.id = p.id WHERE p.uuid = ?";

} // namespace

int CoreDataManager::Impl::stepToItem(SqliteStatement& find, const QString& uuid)
{
    if (!find.isValid()) {
        logFailure(QStringLiteral("fetch paste inf fail, "));
        return SQLITE_ERROR;
    }
    find.bind(1, std::optional<QString>(uuid));
    const int rc = find.step();
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        logFailure(QStringLiteral("fetch paste inf fail, "));
    return rc;
}

std::optional<PasteboardItems> CoreDataManager::fetchPasteboardItems(const QString& uuid)
{
    // Only the bytes are read on the store queue; decoding a large item happens on the caller's
    // thread.
    const std::optional<QByteArray> blob = d->queue.sync([&]() -> std::optional<QByteArray> {
        if (!d->ready())
            return std::nullopt;
        SqliteStatement find = d->db.prepare(kSelectContent);
        const int rc = d->stepToItem(find, uuid);
        if (rc == SQLITE_ROW)
            return find.blob(0);
        if (rc == SQLITE_DONE)
            Log::warning(kTag, QStringLiteral("content of %1 not loaded, the item is gone").arg(uuid));
        return std::nullopt;
    });
    if (!blob)
        return std::nullopt;
    return PasteInfModel::pasteboardItemsFrom(ModelCoding::decodeItemData(*blob));
}

void CoreDataManager::preloadContent(QList<PasteInfModel>& models)
{
    // Batches keep one store step short, so captures and the interface's own requests are not
    // held up behind a whole clipboard. Every batch is queued at once: the store thread reads
    // the next batches while this thread decodes the ones it has.
    constexpr qsizetype kBatch = 256;
    using Blobs = QList<std::optional<QByteArray>>;
    struct Batch
    {
        QList<qsizetype> indexes;
        QStringList uuids;
        std::promise<Blobs> blobs;
    };
    std::vector<std::shared_ptr<Batch>> batches;
    for (qsizetype i = 0; i < models.size(); ++i) {
        const PasteInfModel& model = models.at(i);
        if (model.isContentLoaded() || !model.uuid)
            continue;
        if (batches.empty() || batches.back()->indexes.size() == kBatch)
            batches.push_back(std::make_shared<Batch>());
        batches.back()->indexes.append(i);
        batches.back()->uuids.append(*model.uuid);
    }
    std::vector<std::future<Blobs>> results;
    for (const auto& batch : batches) {
        results.push_back(batch->blobs.get_future());
        d->queue.async([this, batch] {
            Blobs found(batch->uuids.size());
            if (d->ready()) {
                SqliteTransaction transaction(d->db);
                SqliteStatement find = d->db.prepare(kSelectContent);
                if (!find.isValid())
                    d->logFailure(QStringLiteral("fetch paste inf fail, "));
                for (qsizetype i = 0; find.isValid() && i < batch->uuids.size(); ++i) {
                    find.bind(1, std::optional<QString>(batch->uuids.at(i)));
                    if (find.step() == SQLITE_ROW)
                        found[i] = find.blob(0);
                    find.reset();
                }
                transaction.commit();
            }
            batch->blobs.set_value(std::move(found));
        });
    }
    for (size_t b = 0; b < batches.size(); ++b) {
        const Blobs blobs = results[b].get();
        const QList<qsizetype>& indexes = batches[b]->indexes;
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            models[indexes.at(i)].fulfilContent(
                blobs.at(i) ? PasteInfModel::pasteboardItemsFrom(ModelCoding::decodeItemData(*blobs.at(i)))
                            : std::nullopt);
        }
    }
}

std::optional<QString> CoreDataManager::fetchPlainText(const QString& uuid)
{
    return d->queue.sync([&]() -> std::optional<QString> {
        if (!d->ready())
            return std::nullopt;
        SqliteStatement find = d->db.prepare(
            "SELECT t.plain_text FROM paste_inf p JOIN paste_inf_text t ON t.id = p.id WHERE p.uuid = ?");
        if (d->stepToItem(find, uuid) == SQLITE_ROW)
            return find.text(0);
        return std::nullopt;
    });
}

bool CoreDataManager::Impl::readerReady()
{
    QString current;
    {
        std::lock_guard lock(pathMutex);
        current = path;
    }
    if (current.isEmpty()) {
        Log::error(kTag, QStringLiteral("the history store is not open"));
        return false;
    }
    if (current == readerPath && contentDb.isOpen())
        return true;
    contentDb.close();
    contentCache.clear();
    historyReader.reset();
    readerPath.clear();
    QString error;
    auto reader = std::make_unique<HistoryReader>(*owner, current);
    if (!reader->open(&error) ||
        !contentDb.open(current, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, &error)) {
        Log::error(kTag, QStringLiteral("cannot read %1: %2").arg(current, error));
        contentDb.close();
        return false;
    }
    sqlite3_busy_timeout(contentDb.handle(), 2000);
    contentDb.exec("PRAGMA query_only = 1");
    // Damage met here stops the store's writes as well.
    contentDb.setCorruptionObserver(
        [this](const QString& reason) { queue.async([this, reason] { onCorruption(reason); }); });
    historyReader = std::move(reader);
    readerPath = current;
    return true;
}

void CoreDataManager::loadContent(qint64 id, std::function<void(const std::optional<PasteboardItems>&)> done,
                                  bool keep)
{
    d->readerQueue.async([this, id, keep, done = std::move(done)] {
        std::optional<PasteboardItems> items;
        if (d->readerReady()) {
            items = d->contentCache.find(id);
            if (!items) {
                SqliteStatement find =
                    d->contentDb.prepare("SELECT item_data FROM paste_inf_content WHERE id = ?");
                int rc = SQLITE_ERROR;
                if (find.isValid()) {
                    find.bind(1, id);
                    rc = find.step();
                }
                if (rc == SQLITE_ROW)
                    items = PasteInfModel::pasteboardItemsFrom(ModelCoding::decodeItemData(find.blob(0)));
                else if (rc == SQLITE_DONE)
                    Log::warning(kTag,
                                 QStringLiteral("content of item %1 not loaded, the item is gone").arg(id));
                else
                    Log::error(kTag, QStringLiteral("fetch paste inf fail, ") + d->contentDb.errorMessage());
                if (items && keep)
                    d->contentCache.insert(id, *items);
            }
        }
        if (done)
            done(items);
    });
}

void CoreDataManager::loadTextStart(qint64 id, qsizetype maxBytes,
                                    std::function<void(const std::optional<TextStart>&)> done)
{
    d->readerQueue.async([this, id, maxBytes, done = std::move(done)] {
        std::optional<TextStart> start;
        sqlite3_blob* blob = nullptr;
        // Incremental reading walks only the first pages of a long value; a missing row or a
        // null text fails to open, which only means there is no start to show.
        if (d->readerReady() &&
            d->contentDb.checked(sqlite3_blob_open(d->contentDb.handle(), "main", "paste_inf_text",
                                                   "plain_text", id, 0, &blob)) == SQLITE_OK) {
            const qint64 total = sqlite3_blob_bytes(blob);
            QByteArray bytes(qsizetype(std::min<qint64>(total, maxBytes)), Qt::Uninitialized);
            const int rc = d->contentDb.checked(sqlite3_blob_read(blob, bytes.data(), int(bytes.size()), 0));
            if (rc == SQLITE_OK) {
                // A stateful decoder keeps a character cut at the end to itself.
                QStringDecoder decoder(QStringDecoder::Utf8);
                start = TextStart{decoder(bytes), total};
            } else {
                Log::error(kTag, QStringLiteral("cannot read the text of item %1: %2")
                                     .arg(id)
                                     .arg(QString::fromUtf8(sqlite3_errstr(rc))));
            }
        }
        sqlite3_blob_close(blob);
        if (done)
            done(start);
    });
}

void CoreDataManager::setContentCacheBudget(qint64 bytes)
{
    d->readerQueue.async([this, bytes] { d->contentCache.setBudget(bytes); });
}
