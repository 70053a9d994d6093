#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

namespace {

// Ids go to SQL as one JSON array, read with json_each: one statement for any number of them.
std::optional<QString> idArray(const QList<qint64>& ids)
{
    QByteArray array = "[";
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (i > 0)
            array += ',';
        array += QByteArray::number(ids.at(i));
    }
    array += ']';
    return QString::fromLatin1(array);
}

} // namespace

void CoreDataManager::deletePasteInfIds(const QList<qint64>& ids, Completion done, bool keepForUndo)
{
    d->queue.async([this, ids, done = std::move(done), keepForUndo] {
        bool ok = false;
        QList<qint64> removed;
        if (d->writable() && (!keepForUndo || d->keptReady())) {
            // The content, text and search rows go with them (ON DELETE CASCADE).
            SqliteTransaction transaction(d->db);
            const std::optional<QString> array = idArray(ids);
            ok = transaction.isActive() &&
                 (!keepForUndo ||
                  d->keepDeleted("id IN (SELECT value FROM json_each(?1))",
                                 [&](SqliteStatement& s) { s.bind(1, array); }));
            SqliteStatement remove = d->db.prepare(
                "DELETE FROM paste_inf WHERE id IN (SELECT value FROM json_each(?1)) RETURNING id");
            ok = ok && remove.isValid();
            if (ok) {
                remove.bind(1, array);
                int rc;
                while ((rc = remove.step()) == SQLITE_ROW)
                    removed.append(remove.int64(0));
                ok = rc == SQLITE_DONE;
            }
            ok = ok && transaction.commit();
            if (!ok)
                d->logFailure(QStringLiteral("delete paste inf fail, "));
        }
        if (ok) {
            Log::info(kTag,
                      QStringLiteral("delete success: %1 of %2 items").arg(removed.size()).arg(ids.size()));
            if (!removed.isEmpty())
                d->notify({HistoryChange::Kind::Removed, {}, removed});
        }
        if (done)
            done(ok);
    });
}

void CoreDataManager::movePasteInfsToTop(const QList<qint64>& ids, const std::optional<QString>& categoryUuid,
                                         Completion done, bool keepForUndo)
{
    const qint64 nowMs = now().toMSecsSinceEpoch();
    d->queue.async([this, ids, categoryUuid, nowMs, done = std::move(done), keepForUndo] {
        if (!d->writable() || (keepForUndo && !d->keptReady())) {
            if (done)
                done(false);
            return;
        }
        SqliteTransaction transaction(d->db);
        bool ok = transaction.isActive() && (!keepForUndo || d->keepMoved(*idArray(ids)));
        // Where each item goes, in the order given, grouped by clipboard.
        QList<QString> targets;
        QHash<QString, QList<qint64>> moving;
        {
            SqliteStatement find = d->db.prepare("SELECT p.id, p.category_uuid FROM json_each(?1) AS j "
                                                 "CROSS JOIN paste_inf p ON p.id = j.value ORDER BY j.key");
            ok = ok && find.isValid();
            if (ok) {
                find.bind(1, idArray(ids));
                int rc;
                while ((rc = find.step()) == SQLITE_ROW) {
                    const QString target = categoryUuid.value_or(find.text(1).value_or(QString()));
                    if (target.isEmpty())
                        continue; // an item of no clipboard has no top to go to
                    if (!moving.contains(target))
                        targets.append(target);
                    moving[target].append(find.int64(0));
                }
                ok = rc == SQLITE_DONE;
            }
        }
        for (const QString& target : targets) {
            if (!ok)
                break;
            const QList<qint64>& group = moving.value(target);
            // Newer than anything in the clipboard, so that they come first whatever the clock
            // says; one millisecond apart, so that they keep their order.
            SqliteStatement newest = d->db.prepare("SELECT max(date) FROM paste_inf WHERE category_uuid = ?");
            ok = newest.isValid();
            if (!ok)
                break;
            newest.bind(1, std::optional<QString>(target));
            ok = newest.step() == SQLITE_ROW;
            const qint64 first = std::max(nowMs, newest.integer(0).value_or(nowMs) + group.size());
            newest.reset();
            SqliteStatement update =
                d->db.prepare("UPDATE paste_inf SET date = ?, category_uuid = ? WHERE id = ?");
            ok = ok && update.isValid();
            for (qsizetype i = 0; ok && i < group.size(); ++i) {
                update.bind(1, first - i);
                update.bind(2, std::optional<QString>(target));
                update.bind(3, group.at(i));
                ok = update.step() == SQLITE_DONE;
                update.reset();
            }
        }
        ok = ok && transaction.commit();
        if (!ok) {
            d->logFailure(QStringLiteral("move paste inf fail, "));
        } else {
            for (const QString& target : targets)
                d->notify({HistoryChange::Kind::AddedToTop, target, moving.value(target)});
            Log::info(kTag, QStringLiteral("move success: %1 items").arg(ids.size()));
        }
        if (done)
            done(ok);
    });
}

void CoreDataManager::countPasteInfsPerCategory(std::function<void(const QHash<QString, qint64>&)> done)
{
    // On the reader thread: counting a million items takes a walk over the date index, which
    // captures need not wait for.
    d->readerQueue.async([this, done = std::move(done)] {
        const QHash<QString, qint64> counts =
            d->readerReady() ? d->historyReader->countsPerCategory() : QHash<QString, qint64>();
        if (done)
            done(counts);
    });
}
