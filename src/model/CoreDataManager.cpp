#include "CoreDataManager.h"

#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/ModelCoding.h"
#include "model/SqliteDatabase.h"
#include "model/StoreSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <sqlite3.h>
#include <sys/stat.h>

#include <atomic>
#include <future>
#include <mutex>

namespace {

const QString kTag = QStringLiteral("CoreDataManager");
const QString kUpdateNotFound = QStringLiteral("update paste in fail, fetch object is more than one");
const QString kDeleteNoUuid = QStringLiteral("delete error，uuid is nil. ");

// The metadata of an item: everything but the content and the text, so a list never reads them.
#define PASTE_INF_COLUMNS                                                                                    \
    "p.id, p.uuid, p.date, p.category_uuid, p.app_name, p.app_bundle_url, p.app_bundle_identifier, "         \
    "p.display_type, p.display_paste_board_type, p.type_data, p.header_bg_color"

#define CATEGORY_COLUMNS "uuid, title, order_number, color_index, create_date, recent_selected_date"
#define IGNORED_APP_COLUMNS "uuid, name, path, bundle_identifier, date"

std::optional<qint64> toMs(const std::optional<QDateTime>& date)
{
    if (!date || !date->isValid())
        return std::nullopt;
    return date->toMSecsSinceEpoch();
}

std::optional<QDateTime> fromMs(const std::optional<qint64>& ms)
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
    QByteArray typeData;
    QByteArray headerBgColor;
    bool withContent = false;
    QByteArray itemData;
    qint64 contentSize = 0;
    std::optional<QString> plainText;
};

EncodedPasteInf encode(PasteInfModel& model, bool withContent)
{
    EncodedPasteInf e;
    e.uuid = model.uuid;
    e.date = toMs(model.date);
    e.categoryUUID = model.categoryUUID;
    e.appName = model.appName;
    e.appBundleUrl = model.appBundleUrl;
    e.appBundleIdentifier = model.appBundleIdentifier;
    if (model.displayType)
        e.displayType = DisplayType::rawValue(*model.displayType);
    e.displayPasteBoardType = model.displayPasteBoardType;
    e.typeData = ModelCoding::encodeTypes(model.types);
    e.headerBgColor = ModelCoding::encodeColor(model.headerBgColor);
    e.withContent = withContent;
    if (withContent) {
        const PasteDataTypeGroups groups = model.pasteDataTypeGroups();
        e.itemData = ModelCoding::encodeItemData(groups);
        for (const auto& group : groups)
            for (const PasteDataType& record : group)
                e.contentSize += record.data ? record.data->size() : 0;
        const auto& items = model.pasteboardItems();
        if (items && !items->isEmpty())
            e.plainText = items->first().plainString();
    }
    e.description = model.description();
    return e;
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

PasteCategoryInfModel readCategory(const SqliteStatement& row)
{
    PasteCategoryInfModel model;
    model.uuid = row.text(0);
    model.title = row.text(1);
    model.orderNumber = qint16(row.int64(2));
    model.colorIndex = qint16(row.int64(3));
    model.createDate = fromMs(row.integer(4));
    model.recentSelectedDate = fromMs(row.integer(5));
    return model;
}

IgnoredAppInfModel readIgnoredApp(const SqliteStatement& row)
{
    IgnoredAppInfModel model;
    model.uuid = row.text(0);
    model.name = row.text(1);
    model.path = row.text(2);
    model.bundleIdentifier = row.text(3);
    model.date = fromMs(row.integer(4));
    return model;
}

void chmodIfPresent(const QString& path, mode_t mode)
{
    if (QFileInfo::exists(path))
        ::chmod(QFile::encodeName(path).constData(), mode);
}

} // namespace

struct CoreDataManager::Impl
{
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
    void closeOnQueue();
    bool ready();
    void logFailure(const QString& what);

    void setContentLoader(PasteInfModel& model);
    bool insertPasteInf(const EncodedPasteInf& e);
    bool writeContent(qint64 id, const EncodedPasteInf& e);
    bool deletePasteInfRow(qint64 id, const QString& recordDescription, const QString& modelDescription);
    // Runs a one-parameter DELETE; logs success only when a row went. False when the
    // statement cannot be prepared.
    bool deleteByUuid(const char* sql, const QString& uuid, const QString& failure,
                      const QString& description);
    bool insertCategory(const PasteCategoryInfModel& model);
    bool insertIgnoredApp(const IgnoredAppInfModel& model);
    void insertIgnoredApps(const QList<IgnoredAppInfModel>& models, const QString& description);
};

bool CoreDataManager::Impl::openOnQueue(const QString& filePath, bool asReadOnly, QString* error)
{
    // The new file is checked on a connection of its own: a file that is refused leaves the
    // store as it was.
    SqliteDatabase candidate;
    auto fail = [&](const QString& reason) {
        candidate.close();
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(filePath, reason);
        Log::error(kTag, QStringLiteral("cannot open %1: %2").arg(filePath, reason));
        return false;
    };

    const QFileInfo info(filePath);
    const bool exists = info.exists();
    if (asReadOnly && !exists)
        return fail(QStringLiteral("no such file"));
    if (exists && !info.isFile())
        return fail(QStringLiteral("not a regular file"));

    // Everything the store creates (folder, database, -wal, -shm) is the user's alone. SQLite
    // gives -wal and -shm the database's own mode, so the chmod below also covers them later.
    const mode_t oldMask = ::umask(077);
    int flags = SQLITE_OPEN_NOMUTEX;
    if (asReadOnly)
        flags |= SQLITE_OPEN_READONLY;
    else if (exists)
        flags |= SQLITE_OPEN_READWRITE;
    else
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    QString reason;
    bool opened = true;
    if (!exists && !QDir().mkpath(info.absolutePath())) {
        reason = QStringLiteral("cannot create the folder");
        opened = false;
    }
    opened = opened && candidate.open(filePath, flags, &reason);
    ::umask(oldMask);
    if (!opened)
        return fail(reason);
    sqlite3_busy_timeout(candidate.handle(), 2000);

    // Nothing is written before the file has shown it is ours: a foreign or damaged file is
    // left exactly as it was.
    StoreSchema::Inspection inspection;
    if (!StoreSchema::inspect(candidate, &inspection, &reason) || !StoreSchema::isUsable(inspection, &reason))
        return fail(reason);

    if (asReadOnly) {
        if (inspection.version != StoreSchema::currentVersion())
            return fail(QStringLiteral("its schema (version %1) needs Brimble to upgrade it first")
                            .arg(inspection.version));
        candidate.exec("PRAGMA query_only = 1");
    } else {
        candidate.exec("PRAGMA journal_mode = WAL");
        // In WAL mode NORMAL loses at most the last commits on power loss, never consistency.
        if (!candidate.exec("PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON"))
            return fail(candidate.errorMessage());
        if (!StoreSchema::migrate(candidate, inspection.version, &reason))
            return fail(reason);
        if (!exists)
            ::chmod(QFile::encodeName(info.absolutePath()).constData(), 0700);
        for (const char* suffix : {"", "-wal", "-shm"})
            chmodIfPresent(filePath + QLatin1String(suffix), 0600);
    }

    closeOnQueue();
    db.swap(candidate);
    readOnly = asReadOnly;
    {
        std::lock_guard lock(pathMutex);
        path = filePath;
    }
    openReadOnly = asReadOnly;
    open = true;
    Log::info(
        kTag,
        QStringLiteral("opened %1%2").arg(filePath, asReadOnly ? QStringLiteral(" (read only)") : QString()));
    return true;
}

void CoreDataManager::Impl::closeOnQueue()
{
    db.close();
    readOnly = false;
    open = false;
    openReadOnly = false;
    std::lock_guard lock(pathMutex);
    path.clear();
}

bool CoreDataManager::Impl::ready()
{
    if (db.isOpen())
        return true;
    Log::error(kTag, QStringLiteral("the history store is not open"));
    return false;
}

void CoreDataManager::Impl::logFailure(const QString& what)
{
    Log::error(kTag, what + db.errorMessage());
}

void CoreDataManager::Impl::setContentLoader(PasteInfModel& model)
{
    if (!model.uuid)
        return;
    model.setContentLoader(
        [uuid = *model.uuid] { return CoreDataManager::shared().fetchPasteboardItems(uuid); });
}

bool CoreDataManager::Impl::insertPasteInf(const EncodedPasteInf& e)
{
    SqliteTransaction transaction(db);
    SqliteStatement insert = db.prepare(
        "INSERT INTO paste_inf(uuid, date, category_uuid, app_name, app_bundle_url, app_bundle_identifier, "
        "display_type, display_paste_board_type, type_data, header_bg_color, content_size) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!transaction.isActive() || !insert.isValid())
        return false;
    insert.bind(1, e.uuid);
    insert.bind(2, e.date);
    insert.bind(3, e.categoryUUID);
    insert.bind(4, e.appName);
    insert.bind(5, e.appBundleUrl);
    insert.bind(6, e.appBundleIdentifier);
    insert.bind(7, e.displayType);
    insert.bind(8, e.displayPasteBoardType);
    insert.bindBlob(9, e.typeData);
    insert.bindBlob(10, e.headerBgColor);
    insert.bind(11, e.contentSize);
    if (insert.step() != SQLITE_DONE)
        return false;
    return writeContent(db.lastInsertRowId(), e) && transaction.commit();
}

bool CoreDataManager::Impl::writeContent(qint64 id, const EncodedPasteInf& e)
{
    // The item's id keys all three rows, so a new item and a rewrite are the same statement.
    const auto write = [&](const char* sql, const auto& bindValue) {
        SqliteStatement statement = db.prepare(sql);
        if (!statement.isValid())
            return false;
        statement.bind(1, id);
        bindValue(statement);
        return statement.step() == SQLITE_DONE;
    };
    const std::optional<QString> folded =
        e.plainText ? std::optional<QString>(e.plainText->toLower()) : std::nullopt;
    return write("INSERT OR REPLACE INTO paste_inf_content(id, item_data) VALUES(?, ?)",
                 [&](SqliteStatement& s) { s.bindBlob(2, e.itemData); }) &&
           write("INSERT OR REPLACE INTO paste_inf_text(id, plain_text) VALUES(?, ?)",
                 [&](SqliteStatement& s) { s.bind(2, e.plainText); }) &&
           write("INSERT OR REPLACE INTO paste_inf_search(id, folded_text) VALUES(?, ?)",
                 [&](SqliteStatement& s) { s.bind(2, folded); });
}

bool CoreDataManager::Impl::deleteByUuid(const char* sql, const QString& uuid, const QString& failure,
                                         const QString& description)
{
    SqliteStatement remove = db.prepare(sql);
    if (!remove.isValid()) {
        logFailure(failure);
        return false;
    }
    remove.bind(1, std::optional<QString>(uuid));
    if (remove.step() != SQLITE_DONE)
        logFailure(failure);
    else if (db.changes() > 0)
        Log::info(kTag, QStringLiteral("delete success: ") + description);
    return true;
}

bool CoreDataManager::Impl::deletePasteInfRow(qint64 id, const QString& recordDescription,
                                              const QString& modelDescription)
{
    Log::info(QStringLiteral("delete"), recordDescription);
    // The content and text rows go with it (ON DELETE CASCADE).
    SqliteStatement remove = db.prepare("DELETE FROM paste_inf WHERE id = ?");
    if (!remove.isValid())
        return false;
    remove.bind(1, id);
    if (remove.step() != SQLITE_DONE)
        return false;
    Log::info(kTag, QStringLiteral("delete success: ") + modelDescription);
    return true;
}

bool CoreDataManager::Impl::insertCategory(const PasteCategoryInfModel& model)
{
    SqliteStatement insert =
        db.prepare("INSERT INTO paste_category_inf(" CATEGORY_COLUMNS ") VALUES(?, ?, ?, ?, ?, ?)");
    if (!insert.isValid())
        return false;
    insert.bind(1, model.uuid);
    insert.bind(2, model.title);
    insert.bind(3, qint64(model.orderNumber));
    insert.bind(4, qint64(model.colorIndex));
    insert.bind(5, toMs(model.createDate));
    insert.bind(6, toMs(model.recentSelectedDate));
    return insert.step() == SQLITE_DONE;
}

bool CoreDataManager::Impl::insertIgnoredApp(const IgnoredAppInfModel& model)
{
    SqliteStatement insert =
        db.prepare("INSERT INTO ignored_app_inf(" IGNORED_APP_COLUMNS ") VALUES(?, ?, ?, ?, ?)");
    if (!insert.isValid())
        return false;
    insert.bind(1, model.uuid);
    insert.bind(2, model.name);
    insert.bind(3, model.path);
    insert.bind(4, model.bundleIdentifier);
    insert.bind(5, toMs(model.date));
    return insert.step() == SQLITE_DONE;
}

void CoreDataManager::Impl::insertIgnoredApps(const QList<IgnoredAppInfModel>& models,
                                              const QString& description)
{
    for (const IgnoredAppInfModel& model : models) {
        if (!model.uuid) {
            Log::error(kTag, QStringLiteral("insert ignored app inf fail, uuid is nil"));
            return;
        }
    }
    queue.sync([&] {
        if (!ready())
            return;
        SqliteTransaction transaction(db);
        bool ok = transaction.isActive();
        for (const IgnoredAppInfModel& model : models)
            ok = ok && insertIgnoredApp(model);
        if (!ok || !transaction.commit()) {
            logFailure(QStringLiteral("insert ignored app inf fail, "));
            return;
        }
        Log::info(kTag, QStringLiteral("insert success: ") + description);
    });
}

CoreDataManager& CoreDataManager::shared()
{
    // Never destroyed: a store queue still running during static destruction would outlive
    // the logger it writes to. Quit saves explicitly.
    static CoreDataManager* instance = new CoreDataManager;
    return *instance;
}

CoreDataManager::CoreDataManager() : d(std::make_unique<Impl>()) {}

CoreDataManager::~CoreDataManager() = default;

bool CoreDataManager::open(const QString& path, QString* error)
{
    return d->queue.sync([&] { return d->openOnQueue(path, false, error); });
}

bool CoreDataManager::openReadOnly(const QString& path, QString* error)
{
    return d->queue.sync([&] { return d->openOnQueue(path, true, error); });
}

void CoreDataManager::close()
{
    d->queue.sync([&] { d->closeOnQueue(); });
}

bool CoreDataManager::isOpen() const
{
    return d->open;
}

bool CoreDataManager::isReadOnly() const
{
    return d->openReadOnly;
}

QString CoreDataManager::path() const
{
    std::lock_guard lock(d->pathMutex);
    return d->path;
}

QString CoreDataManager::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/brimble/Brimble.sqlite");
}

void CoreDataManager::insertPasteInf(const PasteInfModel& model)
{
    if (!model.uuid) {
        Log::error(kTag, QStringLiteral("insert paste inf fail, paste inf uuid is nil"));
        return;
    }
    // Serialized here, so the store queue only writes.
    PasteInfModel copy = model;
    const EncodedPasteInf encoded = encode(copy, true);
    d->queue.sync([&] {
        if (!d->ready())
            return;
        if (!d->insertPasteInf(encoded)) {
            d->logFailure(QStringLiteral("insert paste inf fail, "));
            return;
        }
        Log::info(kTag, QStringLiteral("insert success: ") + encoded.description);
    });
}

void CoreDataManager::updatePasteInf(const std::optional<PasteInfModel>& model)
{
    if (!model) {
        Log::error(kTag, QStringLiteral("update paste inf fail, paste inf is nil"));
        return;
    }
    if (!model->uuid) {
        Log::error(kTag, QStringLiteral("update paste inf fail, paste inf uuid is nil"));
        return;
    }
    // Content that was never loaded is what the store holds already: only the metadata is
    // rewritten then. This also keeps the queue from waiting on a load of its own content.
    PasteInfModel copy = *model;
    const bool withContent = copy.isContentLoaded();
    auto encoded = std::make_shared<const EncodedPasteInf>(encode(copy, withContent));
    d->startEpoch();
    d->queue.async([this, encoded] {
        if (!d->ready())
            return;
        const EncodedPasteInf& e = *encoded;
        std::optional<qint64> id;
        {
            SqliteStatement find = d->db.prepare("SELECT id FROM paste_inf WHERE uuid = ?");
            if (!find.isValid()) {
                d->logFailure(QStringLiteral("update paste inf fail, "));
                return;
            }
            find.bind(1, e.uuid);
            if (find.step() == SQLITE_ROW)
                id = find.int64(0);
        }
        if (!id) {
            Log::error(kTag, kUpdateNotFound);
            return;
        }
        SqliteTransaction transaction(d->db);
        SqliteStatement update = d->db.prepare(
            "UPDATE paste_inf SET date = ?, category_uuid = ?, app_name = ?, app_bundle_url = ?, "
            "app_bundle_identifier = ?, display_type = ?, display_paste_board_type = ?, type_data = ?, "
            "header_bg_color = ?, content_size = coalesce(?, content_size) WHERE id = ?");
        bool ok = transaction.isActive() && update.isValid();
        if (ok) {
            update.bind(1, e.date);
            update.bind(2, e.categoryUUID);
            update.bind(3, e.appName);
            update.bind(4, e.appBundleUrl);
            update.bind(5, e.appBundleIdentifier);
            update.bind(6, e.displayType);
            update.bind(7, e.displayPasteBoardType);
            update.bindBlob(8, e.typeData);
            update.bindBlob(9, e.headerBgColor);
            update.bind(10, e.withContent ? std::optional<qint64>(e.contentSize) : std::nullopt);
            update.bind(11, *id);
            ok = update.step() == SQLITE_DONE;
        }
        ok = ok && (!e.withContent || d->writeContent(*id, e)) && transaction.commit();
        if (!ok)
            d->logFailure(QStringLiteral("update paste inf fail, "));
    });
}

void CoreDataManager::updateDisplayType(const QString& uuid, PasteInfoDisplayType type,
                                        const QString& pasteboardType)
{
    // A first pass over a clipboard classifies thousands of items: their records are written
    // together, in one transaction, by the first queued flush.
    std::lock_guard lock(d->pendingMutex);
    d->pendingDisplayTypes.append({uuid, DisplayType::rawValue(type), pasteboardType, d->epoch});
    if (d->flushQueued)
        return;
    d->flushQueued = true;
    d->queue.async([this, epoch = d->epoch] { d->flushDisplayTypes(epoch); });
}

void CoreDataManager::Impl::startEpoch()
{
    std::lock_guard lock(pendingMutex);
    ++epoch;
    flushQueued = false;
}

void CoreDataManager::Impl::flushDisplayTypes(quint64 upToEpoch)
{
    QList<PendingDisplayType> pending;
    {
        std::lock_guard lock(pendingMutex);
        auto later = std::stable_partition(pendingDisplayTypes.begin(), pendingDisplayTypes.end(),
                                           [&](const PendingDisplayType& p) { return p.epoch <= upToEpoch; });
        pending = QList<PendingDisplayType>(pendingDisplayTypes.begin(), later);
        pendingDisplayTypes.erase(pendingDisplayTypes.begin(), later);
        if (epoch == upToEpoch)
            flushQueued = false;
    }
    if (pending.isEmpty() || !ready())
        return;
    SqliteTransaction transaction(db);
    SqliteStatement update =
        db.prepare("UPDATE paste_inf SET display_type = ?, display_paste_board_type = ? WHERE uuid = ?");
    if (!update.isValid()) {
        logFailure(QStringLiteral("update paste inf fail, "));
        return;
    }
    for (const PendingDisplayType& item : pending) {
        update.bind(1, std::optional<QString>(item.displayType));
        update.bind(2, std::optional<QString>(item.pasteboardType));
        update.bind(3, std::optional<QString>(item.uuid));
        if (update.step() != SQLITE_DONE)
            logFailure(QStringLiteral("update paste inf fail, "));
        else if (db.changes() == 0)
            Log::error(kTag, kUpdateNotFound);
        update.reset();
    }
    if (!transaction.commit())
        logFailure(QStringLiteral("update paste inf fail, "));
}

void CoreDataManager::deletePasteInf(const PasteInfModel& model)
{
    const QString description = model.description();
    if (!model.uuid) {
        Log::error(kTag, kDeleteNoUuid + description);
        return;
    }
    d->queue.sync([&] {
        if (!d->ready())
            return;
        std::optional<qint64> id;
        QString recordDescription;
        {
            SqliteStatement find =
                d->db.prepare("SELECT " PASTE_INF_COLUMNS " FROM paste_inf p WHERE p.uuid = ?");
            if (!find.isValid()) {
                d->logFailure(QStringLiteral("fetch paste inf fail, "));
                return;
            }
            find.bind(1, model.uuid);
            if (find.step() == SQLITE_ROW) {
                id = find.int64(0);
                recordDescription = PasteInfReader().read(find).description();
            }
        }
        if (id && !d->deletePasteInfRow(*id, recordDescription, description))
            d->logFailure(QStringLiteral("delete paste inf fail, "));
    });
}

void CoreDataManager::deletePasteInfs(const std::optional<PasteCategoryInfModel>& category)
{
    if (!category) {
        Log::error(kTag, QStringLiteral("delete paste inf fail, category inf is nil"));
        return;
    }
    if (!category->uuid) {
        Log::error(kTag, QStringLiteral("delete paste inf fail, category inf uuid is nil"));
        return;
    }
    d->queue.async([this, uuid = *category->uuid] {
        if (!d->ready())
            return;
        SqliteTransaction transaction(d->db);
        {
            SqliteStatement rows =
                d->db.prepare("SELECT " PASTE_INF_COLUMNS " FROM paste_inf p WHERE p.category_uuid = ?");
            if (!transaction.isActive() || !rows.isValid()) {
                d->logFailure(QStringLiteral("delete paste inf fail, "));
                return;
            }
            rows.bind(1, std::optional<QString>(uuid));
            PasteInfReader reader;
            while (rows.step() == SQLITE_ROW)
                Log::info(QStringLiteral("delete all"), reader.read(rows).description());
        }
        SqliteStatement remove = d->db.prepare("DELETE FROM paste_inf WHERE category_uuid = ?");
        bool ok = remove.isValid();
        if (ok) {
            remove.bind(1, std::optional<QString>(uuid));
            ok = remove.step() == SQLITE_DONE;
        }
        if (!ok || !transaction.commit())
            d->logFailure(QStringLiteral("delete paste inf fail, "));
    });
}

QList<PasteInfModel> CoreDataManager::fetchPasteInfs(const std::optional<PasteCategoryInfModel>& category)
{
    if (!category) {
        Log::error(kTag, QStringLiteral("query paste inf fail, category inf is nil"));
        return {};
    }
    if (!category->uuid) {
        Log::error(kTag, QStringLiteral("query paste inf fail, category inf uuid is nil"));
        return {};
    }
    // Read once per load, not per item: the preference is a file read.
    const RetentionRule rule = retentionRule();
    return d->queue.sync([&] {
        QList<PasteInfModel> models;
        if (!d->ready())
            return models;
        struct Expired
        {
            qint64 id;
            PasteInfModel model;
        };
        QList<Expired> expired;
        {
            // Newest first straight from the (category_uuid, date DESC) index; undated items last.
            SqliteStatement rows =
                d->db.prepare("SELECT " PASTE_INF_COLUMNS
                              " FROM paste_inf p WHERE p.category_uuid = ? ORDER BY p.date DESC");
            if (!rows.isValid()) {
                d->logFailure(QStringLiteral("fetch paste inf fail, "));
                return models;
            }
            rows.bind(1, category->uuid);
            PasteInfReader reader;
            int rc;
            while ((rc = rows.step()) == SQLITE_ROW) {
                PasteInfModel model = reader.read(rows);
                if (rule.isExpired(model.categoryUUID, model.date)) {
                    expired.append({rows.int64(0), std::move(model)});
                    continue;
                }
                d->setContentLoader(model);
                models.append(std::move(model));
            }
            if (rc != SQLITE_DONE) {
                d->logFailure(QStringLiteral("fetch paste inf fail, "));
                models.clear();
                return models;
            }
        }
        if (expired.isEmpty() || d->readOnly)
            return models;
        // One transaction for the whole sweep; each item still logs as a single delete would.
        SqliteTransaction transaction(d->db);
        bool ok = transaction.isActive();
        for (const Expired& item : expired) {
            if (!ok)
                break;
            const QString description = item.model.description();
            ok = d->deletePasteInfRow(item.id, description, description);
        }
        if (!ok || !transaction.commit())
            d->logFailure(QStringLiteral("delete expired paste inf fail, "));
        return models;
    });
}

int CoreDataManager::countPasteInfs(const std::optional<PasteCategoryInfModel>& category)
{
    if (!category) {
        Log::error(kTag, QStringLiteral("query paste inf count fail, category inf is nil"));
        return 0;
    }
    if (!category->uuid) {
        Log::error(kTag, QStringLiteral("query paste inf count fail, category inf uuid is nil"));
        return 0;
    }
    return d->queue.sync([&] {
        if (!d->ready())
            return 0;
        SqliteStatement count = d->db.prepare("SELECT count(*) FROM paste_inf WHERE category_uuid = ?");
        if (!count.isValid()) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return 0;
        }
        count.bind(1, category->uuid);
        if (count.step() != SQLITE_ROW) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return 0;
        }
        return int(count.int64(0));
    });
}

std::optional<PasteInfModel> CoreDataManager::fetchPasteInf(const QString& uuid)
{
    return d->queue.sync([&]() -> std::optional<PasteInfModel> {
        if (!d->ready())
            return std::nullopt;
        SqliteStatement find =
            d->db.prepare("SELECT " PASTE_INF_COLUMNS " FROM paste_inf p WHERE p.uuid = ?");
        if (!find.isValid()) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return std::nullopt;
        }
        find.bind(1, std::optional<QString>(uuid));
        const int rc = find.step();
        if (rc != SQLITE_ROW) {
            if (rc != SQLITE_DONE)
                d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return std::nullopt;
        }
        PasteInfModel model = PasteInfReader().read(find);
        d->setContentLoader(model);
        return model;
    });
}

std::optional<PasteboardItems> CoreDataManager::fetchPasteboardItems(const QString& uuid)
{
    // Only the bytes are read on the store queue; decoding a large item happens on the caller's
    // thread.
    const std::optional<QByteArray> blob = d->queue.sync([&]() -> std::optional<QByteArray> {
        if (!d->ready())
            return std::nullopt;
        SqliteStatement find = d->db.prepare("SELECT c.item_data FROM paste_inf p "
                                             "LEFT JOIN paste_inf_content c ON c.id = p.id WHERE p.uuid = ?");
        if (!find.isValid()) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return std::nullopt;
        }
        find.bind(1, std::optional<QString>(uuid));
        const int rc = find.step();
        if (rc == SQLITE_ROW)
            return find.blob(0);
        if (rc == SQLITE_DONE)
            Log::warning(kTag, QStringLiteral("content of %1 not loaded, the item is gone").arg(uuid));
        else
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
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
                SqliteStatement find =
                    d->db.prepare("SELECT c.item_data FROM paste_inf p "
                                  "LEFT JOIN paste_inf_content c ON c.id = p.id WHERE p.uuid = ?");
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
        if (!find.isValid()) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return std::nullopt;
        }
        find.bind(1, std::optional<QString>(uuid));
        const int rc = find.step();
        if (rc == SQLITE_ROW)
            return find.text(0);
        if (rc != SQLITE_DONE)
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
        return std::nullopt;
    });
}

void CoreDataManager::insertCategory(const PasteCategoryInfModel& model)
{
    if (!model.uuid) {
        Log::error(kTag, QStringLiteral("insert paste category inf fail, uuid is nil"));
        return;
    }
    d->queue.sync([&] {
        if (!d->ready())
            return;
        if (!d->insertCategory(model)) {
            d->logFailure(QStringLiteral("insert paste category inf fail, "));
            return;
        }
        Log::info(kTag, QStringLiteral("insert success: ") + model.description());
    });
}

void CoreDataManager::updateCategory(const std::optional<PasteCategoryInfModel>& model)
{
    if (!model) {
        Log::error(kTag, QStringLiteral("update paste inf fail, paste inf is nil"));
        return;
    }
    if (!model->uuid) {
        Log::error(kTag, QStringLiteral("update paste inf fail, paste inf uuid is nil"));
        return;
    }
    d->queue.async([this, model = *model] {
        if (!d->ready())
            return;
        SqliteStatement update =
            d->db.prepare("UPDATE paste_category_inf SET title = ?, order_number = ?, color_index = ?, "
                          "create_date = ?, recent_selected_date = ? WHERE uuid = ?");
        if (!update.isValid()) {
            d->logFailure(QStringLiteral("update paste category inf fail, "));
            return;
        }
        update.bind(1, model.title);
        update.bind(2, qint64(model.orderNumber));
        update.bind(3, qint64(model.colorIndex));
        update.bind(4, toMs(model.createDate));
        update.bind(5, toMs(model.recentSelectedDate));
        update.bind(6, model.uuid);
        if (update.step() != SQLITE_DONE)
            d->logFailure(QStringLiteral("update paste category inf fail, "));
        else if (d->db.changes() == 0)
            Log::error(kTag, kUpdateNotFound);
    });
}

void CoreDataManager::deleteCategory(const PasteCategoryInfModel& model)
{
    if (!model.uuid) {
        Log::error(kTag, kDeleteNoUuid + model.description());
        return;
    }
    d->queue.async([this, model] {
        if (!d->ready())
            return;
        d->deleteByUuid("DELETE FROM paste_category_inf WHERE uuid = ?", *model.uuid,
                        QStringLiteral("delete paste category inf fail, "), model.description());
    });
}

QList<PasteCategoryInfModel> CoreDataManager::fetchCategories()
{
    return d->queue.sync([&] {
        QList<PasteCategoryInfModel> models;
        if (!d->ready())
            return models;
        SqliteStatement rows =
            d->db.prepare("SELECT " CATEGORY_COLUMNS " FROM paste_category_inf ORDER BY order_number ASC");
        if (!rows.isValid()) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return models;
        }
        int rc;
        while ((rc = rows.step()) == SQLITE_ROW)
            models.append(readCategory(rows));
        if (rc != SQLITE_DONE) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            models.clear();
        }
        return models;
    });
}

void CoreDataManager::insertIgnoredApp(const IgnoredAppInfModel& model)
{
    d->insertIgnoredApps({model}, model.description());
}

void CoreDataManager::insertIgnoredApps(const QList<IgnoredAppInfModel>& models)
{
    QStringList descriptions;
    for (const IgnoredAppInfModel& model : models)
        descriptions.append(model.description());
    d->insertIgnoredApps(models,
                         QLatin1Char('[') + descriptions.join(QStringLiteral(", ")) + QLatin1Char(']'));
}

void CoreDataManager::deleteIgnoredApps(const QList<IgnoredAppInfModel>& models)
{
    d->queue.sync([&] {
        if (!d->ready())
            return;
        for (const IgnoredAppInfModel& model : models) {
            if (!model.uuid) {
                Log::error(kTag, kDeleteNoUuid + model.description());
                continue;
            }
            if (!d->deleteByUuid("DELETE FROM ignored_app_inf WHERE uuid = ?", *model.uuid,
                                 QStringLiteral("delete ignored app inf fail, "), model.description()))
                return;
        }
    });
}

QList<IgnoredAppInfModel> CoreDataManager::fetchIgnoredApps()
{
    return d->queue.sync([&] {
        QList<IgnoredAppInfModel> models;
        if (!d->ready())
            return models;
        SqliteStatement rows =
            d->db.prepare("SELECT " IGNORED_APP_COLUMNS " FROM ignored_app_inf ORDER BY date ASC");
        if (!rows.isValid()) {
            Log::error(QStringLiteral("fetch"), d->db.errorMessage());
            return models;
        }
        int rc;
        while ((rc = rows.step()) == SQLITE_ROW)
            models.append(readIgnoredApp(rows));
        if (rc != SQLITE_DONE) {
            Log::error(QStringLiteral("fetch"), d->db.errorMessage());
            models.clear();
        }
        return models;
    });
}

void CoreDataManager::ensureDefaultCategory()
{
    // One block, so two start-up paths cannot both find it missing.
    d->queue.sync([&] {
        if (!d->ready())
            return;
        {
            SqliteStatement find = d->db.prepare("SELECT 1 FROM paste_category_inf WHERE uuid = ?");
            if (!find.isValid()) {
                d->logFailure(QStringLiteral("fetch paste inf fail, "));
                return;
            }
            find.bind(1, std::optional<QString>(kDefaultCategoryUUID));
            const int rc = find.step();
            if (rc == SQLITE_ROW)
                return;
            if (rc != SQLITE_DONE) {
                d->logFailure(QStringLiteral("fetch paste inf fail, "));
                return;
            }
        }
        const PasteCategoryInfModel model = PasteCategoryInfModel::defaultCategory();
        if (!d->insertCategory(model)) {
            d->logFailure(QStringLiteral("insert paste category inf fail, "));
            return;
        }
        Log::info(kTag, QStringLiteral("insert success: ") + model.description());
        Log::info(kTag, QStringLiteral("insert default paste category inf success"));
    });
}

bool CoreDataManager::save()
{
    return d->queue.sync([&] {
        if (!d->db.isOpen() || d->readOnly)
            return true;
        // Every operation commits on its own; what is left is moving the WAL into the file.
        const int rc =
            sqlite3_wal_checkpoint_v2(d->db.handle(), nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            Log::error(kTag, QStringLiteral("save error, ") + d->db.errorMessage());
            return false;
        }
        return true;
    });
}

void CoreDataManager::perform(std::function<void()> block)
{
    d->queue.async(std::move(block));
}

void CoreDataManager::waitForQueued()
{
    d->queue.drain();
}

bool CoreDataManager::performBatch(const std::function<void()>& block)
{
    return d->queue.sync([&] {
        if (!d->ready())
            return false;
        SqliteTransaction transaction(d->db);
        if (!transaction.isActive()) {
            d->logFailure(QStringLiteral("batch fail, "));
            return false;
        }
        block();
        if (!transaction.commit()) {
            d->logFailure(QStringLiteral("batch fail, "));
            return false;
        }
        return true;
    });
}

bool CoreDataManager::isExpired(const PasteInfModel& model) const
{
    return retentionRule().isExpired(model.categoryUUID, model.date);
}

void CoreDataManager::setRetentionLevelProvider(RetentionLevelProvider provider)
{
    std::lock_guard lock(d->clockMutex);
    d->retentionLevel = std::move(provider);
}

RetentionRule CoreDataManager::retentionRule() const
{
    RetentionLevelProvider level;
    {
        std::lock_guard lock(d->clockMutex);
        level = d->retentionLevel;
    }
    return level ? RetentionRule(level(), now()) : RetentionRule();
}

void CoreDataManager::setClock(Clock clock)
{
    std::lock_guard lock(d->clockMutex);
    d->clock = std::move(clock);
}

QDateTime CoreDataManager::now() const
{
    Clock clock;
    {
        std::lock_guard lock(d->clockMutex);
        clock = d->clock;
    }
    return clock ? clock() : QDateTime::currentDateTimeUtc();
}
