#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

// The content, text and search rows go with the items (ON DELETE CASCADE). A read-only store
// (the command line beside a running Brimble) leaves sweeping to Brimble.
qint64 CoreDataManager::Impl::deleteSwept(const char* sql, const std::function<void(SqliteStatement&)>& bind,
                                          const QString& what)
{
    if (readOnly || !writable())
        return readOnly ? 0 : -1;
    QHash<QString, QList<qint64>> idsByCategory;
    qint64 count = 0;
    SqliteTransaction transaction(db);
    SqliteStatement remove = db.prepare(sql);
    bool ok = transaction.isActive() && remove.isValid();
    if (ok) {
        bind(remove);
        int rc;
        while ((rc = remove.step()) == SQLITE_ROW) {
            idsByCategory[remove.text(1).value_or(QString())].append(remove.int64(0));
            ++count;
        }
        ok = rc == SQLITE_DONE;
    }
    if (!ok || !transaction.commit()) {
        logFailure(QStringLiteral("delete %1 fail, ").arg(what));
        return -1;
    }
    if (count > 0) {
        Log::info(kTag, QStringLiteral("delete success: %1 %2").arg(count).arg(what));
        for (auto it = idsByCategory.cbegin(); it != idsByCategory.cend(); ++it)
            notify({HistoryChange::Kind::Removed, it.key(), it.value()});
    }
    return count;
}

bool CoreDataManager::isExpired(const PasteInfModel& model) const
{
    if (model.secretKind && model.date) {
        const SecretLifetimeProvider lifetime = d->copyUnderClockLock(d->secretLifetime);
        const qint64 seconds = lifetime ? lifetime() : 0;
        if (seconds > 0 && model.date->secsTo(now()) > seconds)
            return true;
    }
    return retentionRule().isExpired(model.categoryUUID, model.date);
}

void CoreDataManager::setSecretLifetimeProvider(SecretLifetimeProvider provider)
{
    std::lock_guard lock(d->clockMutex);
    d->secretLifetime = std::move(provider);
}

void CoreDataManager::sweepSecrets(std::function<void(qint64 deleted)> done)
{
    const SecretLifetimeProvider lifetime = d->copyUnderClockLock(d->secretLifetime);
    const qint64 seconds = lifetime ? lifetime() : 0;
    const qint64 oldestKeptMs = now().toMSecsSinceEpoch() - seconds * 1000;
    d->queue.async([this, seconds, oldestKeptMs, done = std::move(done)] {
        const qint64 deleted =
            seconds <= 0 ? 0
                         : d->deleteSwept(
                               "DELETE FROM paste_inf WHERE secret_kind IS NOT NULL AND date < ?1 "
                               "RETURNING id, category_uuid",
                               [oldestKeptMs](SqliteStatement& remove) { remove.bind(1, oldestKeptMs); },
                               QStringLiteral("expired secrets"));
        if (done)
            done(deleted);
    });
}

void CoreDataManager::setRetentionLevelProvider(RetentionLevelProvider provider)
{
    std::lock_guard lock(d->clockMutex);
    d->retentionLevel = std::move(provider);
}

RetentionRule CoreDataManager::retentionRule() const
{
    const RetentionLevelProvider level = d->copyUnderClockLock(d->retentionLevel);
    return level ? RetentionRule(level(), now()) : RetentionRule();
}

void CoreDataManager::sweepExpired(std::function<void(qint64 deleted)> done)
{
    const RetentionRule rule = retentionRule();
    d->queue.async([this, rule, done = std::move(done)] {
        // Walks the expired ends of the date index only.
        const qint64 deleted =
            rule.keepsEverything()
                ? 0
                : d->deleteSwept(
                      "DELETE FROM paste_inf WHERE category_uuid = ?1 AND (date < ?2 OR date > ?3) "
                      "RETURNING id, category_uuid",
                      [&rule](SqliteStatement& remove) {
                          remove.bind(1, std::optional<QString>(kDefaultCategoryUUID));
                          remove.bind(2, rule.oldestKeptMs());
                          remove.bind(3, rule.newestKeptMs());
                      },
                      QStringLiteral("expired items"));
        if (done)
            done(deleted);
    });
}
