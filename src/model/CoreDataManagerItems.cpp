#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

namespace CoreDataManagerPrivate {

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
    if (model.secretKind)
        e.secretKind = SecretShape::rawValue(*model.secretKind);
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
            e.plainText = items->first().readableText();
    }
    e.description = model.description();
    return e;
}

} // namespace CoreDataManagerPrivate

void CoreDataManager::Impl::setContentLoader(PasteInfModel& model)
{
    if (!model.uuid)
        return;
    model.setContentLoader([store = owner, uuid = *model.uuid] { return store->fetchPasteboardItems(uuid); });
}

bool CoreDataManager::Impl::insertPasteInf(const EncodedPasteInf& e)
{
    SqliteTransaction transaction(db);
    SqliteStatement insert = db.prepare(
        "INSERT INTO paste_inf(uuid, date, category_uuid, app_name, app_bundle_url, app_bundle_identifier, "
        "display_type, display_paste_board_type, type_data, header_bg_color, content_size, secret_kind) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
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
    insert.bind(12, e.secretKind);
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
    // A secret is not searchable: typing a guess into the search field must not confirm it.
    const std::optional<QString> folded = e.plainText && !e.secretKind
                                              ? std::optional<QString>(e.plainText->toLower())
                                              : std::nullopt;
    return write("INSERT OR REPLACE INTO paste_inf_content(id, item_data) VALUES(?, ?)",
                 [&](SqliteStatement& s) { s.bindBlob(2, e.itemData); }) &&
           write("INSERT OR REPLACE INTO paste_inf_text(id, plain_text) VALUES(?, ?)",
                 [&](SqliteStatement& s) { s.bind(2, e.plainText); }) &&
           write("INSERT OR REPLACE INTO paste_inf_search(id, folded_text) VALUES(?, ?)",
                 [&](SqliteStatement& s) { s.bind(2, folded); });
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

bool CoreDataManager::Impl::insertCopy(const EncodedPasteInf& e)
{
    if (!insertPasteInf(e))
        return false;
    Log::info(kTag, QStringLiteral("insert success: ") + e.description);
    const qint64 id = db.lastInsertRowId();
    if (isNewestOf(e.categoryUUID, e.date, id))
        notify({HistoryChange::Kind::AddedToTop, *e.categoryUUID, {id}});
    else
        notify({HistoryChange::Kind::Reset, e.categoryUUID.value_or(QString()), {id}});
    return true;
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
        if (!d->writable())
            return;
        // Inside a bulk import the transaction decides; a full disk fails the whole import.
        if (d->db.inTransaction()) {
            if (!d->insertCopy(encoded))
                d->logFailure(QStringLiteral("insert paste inf fail, "));
            return;
        }
        // Copies that waited for room go first: the history keeps the order they were made in.
        if (!d->writeWaitingCopies()) {
            d->keepWaiting(encoded);
            return;
        }
        if (d->insertCopy(encoded)) {
            if (d->outOfSpace)
                d->roomIsBack();
        } else if (d->db.failedForLackOfSpace()) {
            d->keepWaiting(encoded);
        } else {
            d->logFailure(QStringLiteral("insert paste inf fail, "));
        }
    });
}

void CoreDataManager::updatePasteInf(const std::optional<PasteInfModel>& model)
{
    if (!updatable(model))
        return;
    // Content that was never loaded is what the store holds already: only the metadata is
    // rewritten then. This also keeps the queue from waiting on a load of its own content.
    PasteInfModel copy = *model;
    const bool withContent = copy.isContentLoaded();
    auto encoded = std::make_shared<const EncodedPasteInf>(encode(copy, withContent));
    d->startEpoch();
    d->queue.async([this, encoded] {
        if (!d->writable())
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
        if (!ok) {
            d->logFailure(QStringLiteral("update paste inf fail, "));
            return;
        }
        // An item dated now (moved to the top, or to another clipboard) is told as such; any
        // other new date means reading the history again.
        if (d->isNewestOf(e.categoryUUID, e.date, *id))
            d->notify({HistoryChange::Kind::AddedToTop, *e.categoryUUID, {*id}});
        else
            d->notify({HistoryChange::Kind::Reset, {}, {*id}});
    });
}

bool CoreDataManager::Impl::isNewestOf(const std::optional<QString>& categoryUuid,
                                       const std::optional<qint64>& dateMs, qint64 id)
{
    if (!categoryUuid || !dateMs)
        return false;
    // An equal date may sort either way, so it does not count as newest.
    SqliteStatement newer =
        db.prepare("SELECT 1 FROM paste_inf WHERE category_uuid = ?1 AND date >= ?2 AND id <> ?3 LIMIT 1");
    if (!newer.isValid())
        return false;
    newer.bind(1, categoryUuid);
    newer.bind(2, *dateMs);
    newer.bind(3, id);
    return newer.step() == SQLITE_DONE;
}

void CoreDataManager::updateDisplayType(const QString& uuid, PasteInfoDisplayType type,
                                        const QString& pasteboardType)
{
    // A store that cannot be written is not asked to: a read-only pass would queue one failing
    // write per item.
    if (d->openReadOnly || d->damaged)
        return;
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
    if (pending.isEmpty() || !writable())
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
        if (!d->writable())
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
        if (!id)
            return;
        if (!d->deletePasteInfRow(*id, recordDescription, description))
            d->logFailure(QStringLiteral("delete paste inf fail, "));
        else
            d->notify({HistoryChange::Kind::Removed, {}, {*id}});
    });
}

void CoreDataManager::deletePasteInfs(const std::optional<PasteCategoryInfModel>& category, bool keepForUndo,
                                      Completion done)
{
    if (!category) {
        Log::error(kTag, QStringLiteral("delete paste inf fail, category inf is nil"));
        return;
    }
    if (!category->uuid) {
        Log::error(kTag, QStringLiteral("delete paste inf fail, category inf uuid is nil"));
        return;
    }
    d->queue.async([this, uuid = *category->uuid, keepForUndo, done = std::move(done)] {
        const auto finish = [&](bool committed) {
            if (done)
                done(committed);
        };
        if (!d->writable() || (keepForUndo && !d->keptReady()))
            return finish(false);
        SqliteTransaction transaction(d->db);
        QList<qint64> ids;
        {
            SqliteStatement rows =
                d->db.prepare("SELECT " PASTE_INF_COLUMNS " FROM paste_inf p WHERE p.category_uuid = ?");
            if (!transaction.isActive() || !rows.isValid() ||
                (keepForUndo && !d->keepDeleted("category_uuid = ?1", [&](SqliteStatement& s) {
                    s.bind(1, std::optional<QString>(uuid));
                }))) {
                d->logFailure(QStringLiteral("delete paste inf fail, "));
                return finish(false);
            }
            rows.bind(1, std::optional<QString>(uuid));
            PasteInfReader reader;
            while (rows.step() == SQLITE_ROW) {
                ids.append(rows.int64(0));
                Log::info(QStringLiteral("delete all"), reader.read(rows).description());
            }
        }
        SqliteStatement remove = d->db.prepare("DELETE FROM paste_inf WHERE category_uuid = ?");
        bool ok = remove.isValid();
        if (ok) {
            remove.bind(1, std::optional<QString>(uuid));
            ok = remove.step() == SQLITE_DONE;
        }
        ok = ok && transaction.commit();
        if (!ok)
            d->logFailure(QStringLiteral("delete paste inf fail, "));
        else
            d->notify({HistoryChange::Kind::Removed, uuid, ids});
        finish(ok);
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
        // Newest first straight from the (category_uuid, date DESC) index; undated items last.
        // Expired items are left out; only the sweep deletes them.
        SqliteStatement rows = d->db.prepare(
            "SELECT " PASTE_INF_COLUMNS " FROM paste_inf p WHERE p.category_uuid = ? ORDER BY p.date DESC");
        if (!rows.isValid()) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            return models;
        }
        rows.bind(1, category->uuid);
        PasteInfReader reader;
        int rc;
        while ((rc = rows.step()) == SQLITE_ROW) {
            PasteInfModel model = reader.read(rows);
            if (rule.isExpired(model.categoryUUID, model.date))
                continue;
            d->setContentLoader(model);
            models.append(std::move(model));
        }
        if (rc != SQLITE_DONE) {
            d->logFailure(QStringLiteral("fetch paste inf fail, "));
            models.clear();
        }
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
