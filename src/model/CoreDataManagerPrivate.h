#pragma once

// What the parts of CoreDataManager share: its state and the record helpers. Included by the
// CoreDataManager*.cpp files only.

#include "CoreDataManager.h"

#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/ContentCache.h"
#include "model/HistoryReader.h"
#include "model/ModelCoding.h"
#include "model/SqliteDatabase.h"

#include <QHash>

#include <atomic>
#include <deque>
#include <mutex>

namespace CoreDataManagerPrivate {

inline const QString kTag = QStringLiteral("CoreDataManager");
inline const QString kUpdateNotFound = QStringLiteral("update paste in fail, fetch object is more than one");
inline const QString kDeleteNoUuid = QStringLiteral("delete error，uuid is nil. ");

// The metadata of an item: everything but the content and the text, so a list never reads them.
#define PASTE_INF_COLUMNS                                                                                    \
    "p.id, p.uuid, p.date, p.category_uuid, p.app_name, p.app_bundle_url, p.app_bundle_identifier, "         \
    "p.display_type, p.display_paste_board_type, p.type_data, p.header_bg_color, p.secret_kind"

#define CATEGORY_COLUMNS "uuid, title, order_number, color_index, create_date, recent_selected_date"
#define IGNORED_APP_COLUMNS "uuid, name, path, bundle_identifier, date"

inline std::optional<qint64> toMs(const std::optional<QDateTime>& date)
{
    if (!date || !date->isValid())
        return std::nullopt;
    return date->toMSecsSinceEpoch();
}

inline std::optional<QDateTime> fromMs(const std::optional<qint64>& ms)
{
    if (!ms)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(*ms, Qt::UTC);
}

// Everything an insert or update writes, prepared off the store queue.
struct EncodedPasteInf
{
    QString description;
    std::optional<QString> uuid;
    std::optional<qint64> date;
    std::optional<QString> categoryUUID;
    std::optional<QString> appName;
    std::optional<QString> appBundleUrl;
    std::optional<QString> appBundleIdentifier;
    std::optional<QString> displayType;
    std::optional<QString> displayPasteBoardType;
    std::optional<QString> secretKind;
    QByteArray typeData;
    QByteArray headerBgColor;
    bool withContent = false;
    QByteArray itemData;
    qint64 contentSize = 0;
    std::optional<QString> plainText;
};

EncodedPasteInf encode(PasteInfModel& model, bool withContent);

// An update needs a model that names its row; logs why not otherwise.
template <typename Model> bool updatable(const std::optional<Model>& model)
{
    if (!model) {
        Log::error(kTag, QStringLiteral("update paste inf fail, paste inf is nil"));
        return false;
    }
    if (!model->uuid) {
        Log::error(kTag, QStringLiteral("update paste inf fail, paste inf uuid is nil"));
        return false;
    }
    return true;
}

// Builds models from metadata rows. Application names, clipboards and type lists repeat from
// row to row: each distinct value is decoded once and shared, which keeps a long list small.
class PasteInfReader
{
public:
    PasteInfModel read(const SqliteStatement& row)
    {
        PasteInfModel model;
        model.uuid = row.text(1);
        model.date = fromMs(row.integer(2));
        model.categoryUUID = intern(row, 3);
        model.appName = intern(row, 4);
        model.appBundleUrl = intern(row, 5);
        model.appBundleIdentifier = intern(row, 6);
        if (const auto raw = intern(row, 7))
            model.displayType = DisplayType::fromRawValue(*raw);
        model.displayPasteBoardType = intern(row, 8);
        if (!row.isNull(9))
            model.types = decoded(types_, row.blobView(9), &ModelCoding::decodeTypes, "type data");
        if (!row.isNull(10))
            model.headerBgColor =
                decoded(colors_, row.blobView(10), &ModelCoding::decodeColor, "header colour");
        if (const auto kind = row.text(11))
            model.secretKind = SecretShape::fromRawValue(*kind);
        return model;
    }

private:
    std::optional<QString> intern(const SqliteStatement& row, int column)
    {
        if (row.isNull(column))
            return std::nullopt;
        const QByteArray raw = row.textView(column);
        const auto it = strings_.constFind(raw);
        if (it != strings_.constEnd())
            return *it;
        const QString value = QString::fromUtf8(raw);
        strings_.insert(QByteArray(raw.constData(), raw.size()), value);
        return value;
    }

    template <typename T>
    std::optional<T> decoded(QHash<QByteArray, std::optional<T>>& cache, const QByteArray& blob,
                             std::optional<T> (*decode)(const QByteArray&), const char* what)
    {
        const auto it = cache.constFind(blob);
        if (it != cache.constEnd())
            return *it;
        std::optional<T> value = decode(blob);
        if (!value && !ModelCoding::isNull(blob))
            Log::warning(
                QStringLiteral("PasteInfModel"),
                QStringLiteral("stored %1 could not be decoded, left absent").arg(QLatin1String(what)));
        cache.insert(QByteArray(blob.constData(), blob.size()), value);
        return value;
    }

    QHash<QByteArray, QString> strings_;
    QHash<QByteArray, std::optional<QStringList>> types_;
    QHash<QByteArray, std::optional<QColor>> colors_;
};

} // namespace CoreDataManagerPrivate

using namespace CoreDataManagerPrivate;

struct CoreDataManager::Impl
{
    Impl();
    // The store this is the inside of: what loaded models read their content through.
    CoreDataManager* owner = nullptr;

    SerialQueue queue{QStringLiteral("store")};

    // Touched on the queue only.
    SqliteDatabase db;
    bool readOnly = false;

    // Readable from any thread.
    std::atomic<bool> open{false};
    std::atomic<bool> openReadOnly{false};
    mutable std::mutex pathMutex;
    QString path;

    mutable std::mutex clockMutex;
    Clock clock;
    RetentionLevelProvider retentionLevel;
    SecretLifetimeProvider secretLifetime;
    // A copy of the clock or the retention provider, so it is called without holding the lock.
    template <typename Provider> Provider copyUnderClockLock(const Provider& provider) const
    {
        std::lock_guard lock(clockMutex);
        return provider;
    }

    // Classifications waiting to be written (see updateDisplayType).
    // An update of a whole item starts a new epoch: classifications recorded after it was
    // queued are written after it, never before.
    struct PendingDisplayType
    {
        QString uuid;
        QString displayType;
        QString pasteboardType;
        quint64 epoch;
    };
    std::mutex pendingMutex;
    QList<PendingDisplayType> pendingDisplayTypes;
    quint64 epoch = 0;
    bool flushQueued = false;
    void flushDisplayTypes(quint64 upToEpoch);
    void startEpoch();

    bool openOnQueue(const QString& path, bool readOnly, QString* error);
    // The journal is moved into the file as a queued step after the commit that filled it.
    static int walCommitted(void* context, sqlite3* handle, const char* database, int frames);
    bool checkpointQueued = false;
    void closeOnQueue();
    bool ready();
    // Ready, and neither read-only nor damaged; logs why not.
    bool writable();
    void logFailure(const QString& what);
    // Binds `uuid` to a lookup of one item and steps to its row: SQLITE_ROW, SQLITE_DONE, or an
    // error, already logged.
    int stepToItem(SqliteStatement& find, const QString& uuid);

    // Set on the queue by the first corruption a statement meets; read anywhere.
    std::atomic<bool> damaged{false};
    void onCorruption(const QString& reason);
    void tellDamage(const QString& message);
    // Runs the block in one transaction on the store queue and tells its changes once it
    // commits. All or nothing: a block that returns false or a statement that fails rolls it
    // back; otherwise what the block did is committed whatever failed in it.
    bool inTransaction(const std::function<bool()>& block, bool allOrNothing);

    // Copies waiting for room on the disk, oldest first; touched on the queue only.
    std::deque<EncodedPasteInf> waitingCopies;
    qint64 waitingBytes = 0;
    std::atomic<int> waitingCount{0};
    int writtenSinceFull = 0;
    int lostSinceFull = 0;
    std::atomic<bool> outOfSpace{false};
    // Inserts a copy and tells the observers; false when the write failed (the reason is in db).
    bool insertCopy(const EncodedPasteInf& e);
    // Writes the waiting copies in order; false when one still finds no room.
    bool writeWaitingCopies();
    void keepWaiting(const EncodedPasteInf& e);
    void roomIsBack();
    void tellSpace(const SpaceReport& report);

    // Deleted items are zeroed in the file (secure_delete), but the journal still holds the pages
    // they were written in: it is moved into the file and emptied after deletes, in a pass queued
    // behind them so that a burst of deletes costs one.
    bool eraseQueued = false;
    void queueErase();
    // Moves the whole journal into the file and truncates it (not while a reader holds it); false
    // when the write failed.
    bool checkpointAndTruncate();

    std::mutex handlersMutex;
    QString damageMessage;
    bool damageTold = false;
    QHash<int, ChangeObserver> changeObservers;
    int nextObserverKey = 0;
    // Changes made inside a batch's transaction, told once it commits.
    QList<HistoryChange> changesInBatch;
    // A statement of the open batch failed (set by logFailure); performAtomically rolls back.
    bool batchFailed = false;
    // Tells the observers (and the content cache) of a committed change; inside a batch, once
    // the batch commits.
    void notify(const HistoryChange& change);
    // A sweep's DELETE ... RETURNING id, category_uuid, told to the observers by clipboard; on
    // the store queue. How many items went: 0 in a read-only store, -1 on failure.
    qint64 deleteSwept(const char* sql, const std::function<void(SqliteStatement&)>& bind,
                       const QString& what);
    void deliver(const QList<HistoryChange>& changes);
    // Whether the item dated `dateMs` is the newest of its clipboard: then its insert is told
    // as an addition at the top, otherwise as a reset of the clipboard.
    bool isNewestOf(const std::optional<QString>& categoryUuid, const std::optional<qint64>& dateMs,
                    qint64 id);

    // The store's reader thread: content for lists and counts, on read-only connections of its
    // own. Touched on readerQueue only; declared before it so that the queue stops first.
    QString readerPath;
    SqliteDatabase contentDb;
    std::unique_ptr<HistoryReader> historyReader;
    ContentCache contentCache;
    // Opens the reader connections on the store's current file (again when it changed).
    bool readerReady();
    SerialQueue readerQueue{QStringLiteral("store.reader")};

    void setContentLoader(PasteInfModel& model);
    bool insertPasteInf(const EncodedPasteInf& e);
    bool writeContent(qint64 id, const EncodedPasteInf& e);
    bool deletePasteInfRow(qint64 id, const QString& recordDescription, const QString& modelDescription);
    // Runs a one-parameter DELETE; logs success only when a row went. False when the
    // statement cannot be prepared.
    bool deleteByUuid(const char* sql, const QString& uuid, const QString& failure,
                      const QString& description);
    bool insertCategory(const PasteCategoryInfModel& model);
    // The record of the last kept change (see undoLastChange). keptReady attaches it when
    // missing; the keep functions replace what it held and run inside the change's
    // transaction, so a change that rolls back leaves the record before it.
    bool keptReady();
    bool forgetKept();
    // Copies the items `where` selects (a condition on main.paste_inf) with their content.
    bool keepDeleted(const char* where, const std::function<void(SqliteStatement&)>& bind);
    bool keepMoved(const QString& idArray);
    // The item a replacement took the place of, and the replacement's uuid.
    bool keepReplaced(qint64 originalId, const QString& replacementUuid);
    // Puts the record back and empties it; the ids put back, absent when a statement failed.
    // `removed` gets the ids of the replacements taken out.
    std::optional<QList<qint64>> restoreKept(QList<qint64>* removed);
    bool insertIgnoredApp(const IgnoredAppInfModel& model);
    void insertIgnoredApps(const QList<IgnoredAppInfModel>& models, const QString& description);
};
