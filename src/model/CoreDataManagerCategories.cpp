#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

namespace {

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

} // namespace

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
        if (!writable())
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

void CoreDataManager::insertCategory(const PasteCategoryInfModel& model)
{
    if (!model.uuid) {
        Log::error(kTag, QStringLiteral("insert paste category inf fail, uuid is nil"));
        return;
    }
    d->queue.sync([&] {
        if (!d->writable())
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
    if (!updatable(model))
        return;
    d->queue.async([this, model = *model] {
        if (!d->writable())
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
        if (!d->writable())
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
        if (!d->writable())
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
        if (!d->writable())
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
        const PasteCategoryInfModel model = PasteCategoryInfModel::defaultCategory(now());
        if (!d->insertCategory(model)) {
            d->logFailure(QStringLiteral("insert paste category inf fail, "));
            return;
        }
        Log::info(kTag, QStringLiteral("insert success: ") + model.description());
        Log::info(kTag, QStringLiteral("insert default paste category inf success"));
    });
}
