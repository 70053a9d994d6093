// Edited texts: stored as items of their own, at the top of a clipboard or in the place of the
// item they were edited from. A stored item's content is never rewritten.
#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

#include <algorithm>

void CoreDataManager::insertPasteInfAtTop(const PasteInfModel& model, Completion done)
{
    if (!model.uuid || !model.categoryUUID) {
        Log::error(kTag, QStringLiteral("insert paste inf fail, paste inf uuid or clipboard is nil"));
        if (done)
            done(false);
        return;
    }
    // Serialized here, so the store queue only writes.
    PasteInfModel copy = model;
    auto encoded = std::make_shared<EncodedPasteInf>(encode(copy, true));
    const qint64 nowMs = now().toMSecsSinceEpoch();
    d->queue.async([this, encoded, nowMs, done = std::move(done)] {
        bool ok = false;
        if (d->writable()) {
            SqliteStatement newest = d->db.prepare("SELECT max(date) FROM paste_inf WHERE category_uuid = ?");
            if (newest.isValid()) {
                newest.bind(1, encoded->categoryUUID);
                if (newest.step() == SQLITE_ROW) {
                    // Newer than anything in the clipboard, whatever the clock says.
                    encoded->date = std::max(nowMs, newest.integer(0).value_or(nowMs - 1) + 1);
                    newest.reset();
                    ok = d->insertCopy(*encoded);
                }
            }
            if (!ok)
                d->logFailure(QStringLiteral("insert edited paste inf fail, "));
        }
        if (done)
            done(ok);
    });
}

void CoreDataManager::replacePasteInf(const QString& originalUuid, const PasteInfModel& replacement,
                                      std::function<void(ReplaceResult)> done, bool keepForUndo)
{
    if (!replacement.uuid) {
        Log::error(kTag, QStringLiteral("replace paste inf fail, paste inf uuid is nil"));
        if (done)
            done(ReplaceResult::failed);
        return;
    }
    PasteInfModel copy = replacement;
    auto encoded = std::make_shared<EncodedPasteInf>(encode(copy, true));
    d->queue.async([this, originalUuid, encoded, keepForUndo, done = std::move(done)] {
        const auto finish = [&](ReplaceResult result) {
            if (done)
                done(result);
        };
        if (!d->writable() || (keepForUndo && !d->keptReady())) {
            finish(ReplaceResult::failed);
            return;
        }
        SqliteTransaction transaction(d->db);
        SqliteStatement find = d->db.prepare("SELECT id, date, category_uuid FROM paste_inf WHERE uuid = ?");
        if (!transaction.isActive() || !find.isValid()) {
            d->logFailure(QStringLiteral("replace paste inf fail, "));
            finish(ReplaceResult::failed);
            return;
        }
        const int found = d->stepToItem(find, originalUuid);
        if (found != SQLITE_ROW) {
            if (found == SQLITE_DONE)
                Log::warning(kTag, QStringLiteral("replace paste inf: the item to replace is gone"));
            finish(found == SQLITE_DONE ? ReplaceResult::originalGone : ReplaceResult::failed);
            return;
        }
        const qint64 originalId = find.int64(0);
        EncodedPasteInf& e = *encoded;
        e.date = find.integer(1);
        e.categoryUUID = find.text(2);
        find.reset();
        bool ok = (!keepForUndo || d->keepReplaced(originalId, *e.uuid)) && d->insertPasteInf(e);
        const qint64 replacementId = ok ? d->db.lastInsertRowId() : 0;
        ok = ok && d->deletePasteInfRow(originalId, QStringLiteral("replaced by an edit"), e.description);
        ok = ok && transaction.commit();
        if (!ok) {
            d->logFailure(QStringLiteral("replace paste inf fail, "));
            finish(ReplaceResult::failed);
            return;
        }
        Log::info(kTag, QStringLiteral("replace success: ") + e.description);
        d->notify({HistoryChange::Kind::Removed, {}, {originalId}});
        // In the middle of its clipboard, at the date it took over: that clipboard reads again.
        d->notify({HistoryChange::Kind::Reset, e.categoryUUID.value_or(QString()), {replacementId}});
        finish(ReplaceResult::replaced);
    });
}
