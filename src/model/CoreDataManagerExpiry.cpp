#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

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
        if (seconds <= 0 || d->readOnly) {
            if (done)
                done(0);
            return;
        }
        qint64 deleted = -1;
        QHash<QString, QList<qint64>> idsByCategory;
        if (d->writable()) {
            SqliteTransaction transaction(d->db);
            SqliteStatement remove = d->db.prepare(
                "DELETE FROM paste_inf WHERE secret_kind IS NOT NULL AND date < ?1 RETURNING id, category_uuid");
            bool ok = transaction.isActive() && remove.isValid();
            qint64 count = 0;
            if (ok) {
                remove.bind(1, oldestKeptMs);
                int rc;
                while ((rc = remove.step()) == SQLITE_ROW) {
                    idsByCategory[remove.text(1).value_or(QString())].append(remove.int64(0));
                    ++count;
                }
                ok = rc == SQLITE_DONE;
            }
            if (ok && transaction.commit())
                deleted = count;
            else
                d->logFailure(QStringLiteral("delete expired secrets fail, "));
        }
        if (deleted > 0) {
            Log::info(kTag, QStringLiteral("delete success: %1 expired secrets").arg(deleted));
            for (auto it = idsByCategory.cbegin(); it != idsByCategory.cend(); ++it)
                d->notify({HistoryChange::Kind::Removed, it.key(), it.value()});
        }
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
        // A read-only store (the command line beside a running Brimble) leaves that to Brimble.
        if (rule.keepsEverything() || d->readOnly) {
            if (done)
                done(0);
            return;
        }
        qint64 deleted = -1;
        QList<qint64> ids;
        if (d->writable()) {
            // Walks the expired ends of the date index only; the content, text and search rows go
            // with the items (ON DELETE CASCADE).
            SqliteTransaction transaction(d->db);
            SqliteStatement remove =
                d->db.prepare("DELETE FROM paste_inf WHERE category_uuid = ?1 AND (date < ?2 OR date > ?3) "
                              "RETURNING id");
            bool ok = transaction.isActive() && remove.isValid();
            if (ok) {
                remove.bind(1, std::optional<QString>(kDefaultCategoryUUID));
                remove.bind(2, rule.oldestKeptMs());
                remove.bind(3, rule.newestKeptMs());
                int rc;
                while ((rc = remove.step()) == SQLITE_ROW)
                    ids.append(remove.int64(0));
                ok = rc == SQLITE_DONE;
            }
            if (ok && transaction.commit())
                deleted = ids.size();
            else
                d->logFailure(QStringLiteral("delete expired paste inf fail, "));
        }
        if (deleted > 0) {
            Log::info(kTag, QStringLiteral("delete success: %1 expired items").arg(deleted));
            d->notify({HistoryChange::Kind::Removed, kDefaultCategoryUUID, ids});
        }
        if (done)
            done(deleted);
    });
}
