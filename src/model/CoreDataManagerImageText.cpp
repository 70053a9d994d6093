#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

std::optional<CoreDataManager::ImageToRead> CoreDataManager::nextImageToRead()
{
    std::optional<ImageToRead> next;
    d->queue.sync([&] {
        if (d->readOnly || !d->ready() || d->damaged.load())
            return;
        // Items that hold no image (or a list of files, or a secret) have nothing to read; one
        // statement settles them through the index of unread items.
        const bool settled =
            d->db.exec("UPDATE paste_inf SET image_text_state = 0 WHERE image_text_state IS NULL AND "
                       "(secret_kind IS NOT NULL OR type_data IS NULL OR instr(type_data, CAST('image/' AS "
                       "BLOB)) = 0 OR "
                       "instr(type_data, CAST('text/uri-list' AS BLOB)) > 0)");
        if (!settled) {
            d->logFailure(QStringLiteral("settle items without images fail, "));
            return;
        }
        SqliteStatement find = d->db.prepare(
            "SELECT id, uuid FROM paste_inf WHERE image_text_state IS NULL ORDER BY date DESC LIMIT 1");
        if (!find.isValid()) {
            d->logFailure(QStringLiteral("find image to read fail, "));
            return;
        }
        if (find.step() == SQLITE_ROW)
            next = ImageToRead{find.int64(0), find.text(1).value_or(QString())};
    });
    return next;
}

bool CoreDataManager::recordImageText(qint64 id, ImageTextState state, const QString& text)
{
    bool ok = false;
    d->queue.sync([&] {
        if (!d->writable())
            return;
        SqliteTransaction transaction(d->db);
        SqliteStatement mark = d->db.prepare("UPDATE paste_inf SET image_text_state = ?2 WHERE id = ?1 "
                                             "RETURNING category_uuid");
        ok = transaction.isActive() && mark.isValid();
        std::optional<QString> category;
        if (ok) {
            mark.bind(1, id);
            mark.bind(2, qint64(state));
            const int rc = mark.step();
            // Deleted meanwhile: nothing to keep.
            if (rc != SQLITE_ROW) {
                ok = rc == SQLITE_DONE;
                return;
            }
            category = mark.text(0);
            mark.reset();
        }
        if (ok && !text.isEmpty()) {
            SqliteStatement keep =
                d->db.prepare("INSERT OR REPLACE INTO paste_inf_image_text(id, text) VALUES(?1, ?2)");
            // Joined to what search walks, after the item's own text.
            SqliteStatement search = d->db.prepare(
                "INSERT INTO paste_inf_search(id, folded_text) VALUES(?1, ?2) ON CONFLICT(id) DO UPDATE SET "
                "folded_text = coalesce(folded_text || char(10), '') || excluded.folded_text");
            ok = keep.isValid() && search.isValid();
            if (ok) {
                keep.bind(1, id);
                keep.bind(2, std::optional<QString>(text));
                search.bind(1, id);
                search.bind(2, std::optional<QString>(text.toLower()));
                ok = keep.step() == SQLITE_DONE && search.step() == SQLITE_DONE;
            }
        }
        ok = ok && transaction.commit();
        if (!ok) {
            d->logFailure(QStringLiteral("keep image text fail, "));
            return;
        }
        if (!text.isEmpty())
            d->notify({HistoryChange::Kind::Reset, category.value_or(QString()), {id}});
    });
    return ok;
}
