// What an undo puts back: the items the last kept delete or clear took out, the places the last
// kept move took items from, or the item the last kept replace took the place of. The record is
// kept in a private temporary database attached to the store's connection: SQLite holds it in
// memory and spills it to an unlinked temporary file only when it grows large, and it goes with
// the connection. Rows are copied as they are stored, so what comes back is the same bytes under
// the same uuid, date and clipboard.
#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

namespace {

// Everything the kept database holds, emptied whenever a new change is kept.
constexpr const char* kKeptTables[] = {"kept.deleted_inf",    "kept.deleted_content",    "kept.deleted_text",
                                       "kept.deleted_search", "kept.deleted_image_text", "kept.moved_inf",
                                       "kept.added_inf"};

bool step(SqliteDatabase& db, const char* sql, const std::function<void(SqliteStatement&)>& bind = {})
{
    SqliteStatement statement = db.prepare(sql);
    if (!statement.isValid())
        return false;
    if (bind)
        bind(statement);
    return statement.step() == SQLITE_DONE;
}

QList<qint64> ids(SqliteDatabase& db, const char* sql, bool* ok)
{
    QList<qint64> list;
    SqliteStatement rows = db.prepare(sql);
    *ok = rows.isValid();
    if (!*ok)
        return list;
    int rc;
    while ((rc = rows.step()) == SQLITE_ROW)
        list.append(rows.int64(0));
    *ok = rc == SQLITE_DONE;
    return list;
}

} // namespace

bool CoreDataManager::Impl::keptReady()
{
    if (db.queryInteger("SELECT count(*) FROM pragma_database_list WHERE name = 'kept'").value_or(0) > 0)
        return true;
    // An attach cannot happen inside a transaction (a batch); nothing is kept then.
    if (db.inTransaction()) {
        Log::error(kTag, QStringLiteral("cannot keep a change for undo inside a batch"));
        return false;
    }
    // The tables take the history's columns as they are, whatever the schema version.
    const bool ok =
        db.exec("ATTACH DATABASE '' AS kept") && db.exec("PRAGMA kept.secure_delete = ON") &&
        db.exec("CREATE TABLE kept.deleted_inf AS SELECT * FROM main.paste_inf WHERE 0;"
                "CREATE TABLE kept.deleted_content AS SELECT * FROM main.paste_inf_content WHERE 0;"
                "CREATE TABLE kept.deleted_text AS SELECT * FROM main.paste_inf_text WHERE 0;"
                "CREATE TABLE kept.deleted_search AS SELECT * FROM main.paste_inf_search WHERE 0;"
                "CREATE TABLE kept.deleted_image_text AS SELECT * FROM main.paste_inf_image_text WHERE 0;"
                "CREATE TABLE kept.moved_inf(id INTEGER PRIMARY KEY, uuid TEXT, date INTEGER, "
                "category_uuid TEXT);"
                "CREATE TABLE kept.added_inf(uuid TEXT PRIMARY KEY);");
    if (!ok) {
        logFailure(QStringLiteral("cannot keep changes for undo, "));
        db.exec("DETACH DATABASE kept");
    }
    return ok;
}

bool CoreDataManager::Impl::forgetKept()
{
    for (const char* table : kKeptTables)
        if (!db.exec(QByteArray("DELETE FROM ").append(table).constData()))
            return false;
    return true;
}

bool CoreDataManager::Impl::keepDeleted(const char* where, const std::function<void(SqliteStatement&)>& bind)
{
    const QByteArray items =
        QByteArray("INSERT INTO kept.deleted_inf SELECT * FROM main.paste_inf WHERE ") + where;
    return forgetKept() && step(db, items.constData(), bind) &&
           db.exec("INSERT INTO kept.deleted_content SELECT * FROM main.paste_inf_content "
                   "WHERE id IN (SELECT id FROM kept.deleted_inf);"
                   "INSERT INTO kept.deleted_text SELECT * FROM main.paste_inf_text "
                   "WHERE id IN (SELECT id FROM kept.deleted_inf);"
                   "INSERT INTO kept.deleted_search SELECT * FROM main.paste_inf_search "
                   "WHERE id IN (SELECT id FROM kept.deleted_inf);"
                   "INSERT INTO kept.deleted_image_text SELECT * FROM main.paste_inf_image_text "
                   "WHERE id IN (SELECT id FROM kept.deleted_inf);");
}

bool CoreDataManager::Impl::keepMoved(const QString& idArray)
{
    return forgetKept() && step(db,
                                "INSERT INTO kept.moved_inf(id, uuid, date, category_uuid) "
                                "SELECT id, uuid, date, category_uuid FROM main.paste_inf "
                                "WHERE id IN (SELECT value FROM json_each(?1))",
                                [&](SqliteStatement& s) { s.bind(1, std::optional<QString>(idArray)); });
}

bool CoreDataManager::Impl::keepReplaced(qint64 originalId, const QString& replacementUuid)
{
    return keepDeleted("id = ?1", [&](SqliteStatement& s) { s.bind(1, originalId); }) &&
           step(db, "INSERT INTO kept.added_inf(uuid) VALUES(?1)",
                [&](SqliteStatement& s) { s.bind(1, std::optional<QString>(replacementUuid)); });
}

std::optional<QList<qint64>> CoreDataManager::Impl::restoreKept(QList<qint64>* removed)
{
    bool ok = true;
    // What cannot come back as it was stays out: an item whose uuid is in the history again,
    // or whose clipboard has been deleted since (it would be listed nowhere). The history's
    // own clipboard always exists, with or without its record.
    const auto gone = [&](const char* sql) {
        return step(db, sql,
                    [](SqliteStatement& s) { s.bind(1, std::optional<QString>(kDefaultCategoryUUID)); });
    };
    ok = gone("DELETE FROM kept.deleted_inf WHERE "
              "EXISTS (SELECT 1 FROM main.paste_inf p WHERE p.uuid = kept.deleted_inf.uuid) OR "
              "(category_uuid IS NOT NULL AND category_uuid <> ?1 AND "
              "category_uuid NOT IN (SELECT uuid FROM main.paste_category_inf))") &&
         gone("DELETE FROM kept.moved_inf WHERE category_uuid IS NOT NULL AND category_uuid <> ?1 AND "
              "category_uuid NOT IN (SELECT uuid FROM main.paste_category_inf)") &&
         db.exec("DELETE FROM kept.deleted_content WHERE id NOT IN (SELECT id FROM kept.deleted_inf);"
                 "DELETE FROM kept.deleted_text WHERE id NOT IN (SELECT id FROM kept.deleted_inf);"
                 "DELETE FROM kept.deleted_search WHERE id NOT IN (SELECT id FROM kept.deleted_inf);"
                 "DELETE FROM kept.deleted_image_text WHERE id NOT IN (SELECT id FROM kept.deleted_inf);");
    // A replacement goes only when the item it replaced comes back: the text is never lost.
    QList<qint64> replacements;
    if (ok) {
        SqliteStatement remove =
            db.prepare("DELETE FROM main.paste_inf WHERE uuid IN (SELECT uuid FROM kept.added_inf) AND "
                       "EXISTS (SELECT 1 FROM kept.deleted_inf) RETURNING id");
        ok = remove.isValid();
        int rc = SQLITE_DONE;
        while (ok && (rc = remove.step()) == SQLITE_ROW)
            replacements.append(remove.int64(0));
        ok = ok && rc == SQLITE_DONE;
    }
    // Row ids are reused once the newest rows are gone: an item whose id a newer one took
    // comes back under a new id; its uuid is what names it.
    const QList<qint64> taken = ok ? ids(db,
                                         "SELECT k.id FROM kept.deleted_inf k WHERE EXISTS (SELECT 1 FROM "
                                         "main.paste_inf p WHERE p.id = k.id)",
                                         &ok)
                                   : QList<qint64>();
    if (ok && !taken.isEmpty()) {
        qint64 next = db.queryInteger("SELECT max(coalesce((SELECT max(id) FROM main.paste_inf), 0), "
                                      "coalesce((SELECT max(id) FROM kept.deleted_inf), 0))")
                          .value_or(0);
        for (qsizetype i = 0; ok && i < taken.size(); ++i) {
            ++next;
            for (const char* table :
                 {"kept.deleted_inf", "kept.deleted_content", "kept.deleted_text", "kept.deleted_search",
                  "kept.deleted_image_text"}) {
                const QByteArray sql = QByteArray("UPDATE ") + table + " SET id = ?1 WHERE id = ?2";
                ok = ok && step(db, sql.constData(), [&](SqliteStatement& s) {
                         s.bind(1, next);
                         s.bind(2, taken.at(i));
                     });
            }
        }
    }
    QList<qint64> restored = ok ? ids(db, "SELECT id FROM kept.deleted_inf", &ok) : QList<qint64>();
    ok = ok && db.exec("INSERT INTO main.paste_inf SELECT * FROM kept.deleted_inf;"
                       "INSERT INTO main.paste_inf_content SELECT * FROM kept.deleted_content;"
                       "INSERT INTO main.paste_inf_text SELECT * FROM kept.deleted_text;"
                       "INSERT INTO main.paste_inf_search SELECT * FROM kept.deleted_search;"
                       "INSERT INTO main.paste_inf_image_text SELECT * FROM kept.deleted_image_text;");
    // Moved items that are still there (the same id under the same uuid) go back.
    const QList<qint64> moved =
        ok ? ids(db,
                 "SELECT m.id FROM kept.moved_inf m JOIN main.paste_inf p ON p.id = m.id AND p.uuid = m.uuid",
                 &ok)
           : QList<qint64>();
    ok = ok &&
         db.exec("UPDATE main.paste_inf SET date = m.date, category_uuid = m.category_uuid "
                 "FROM kept.moved_inf m WHERE main.paste_inf.id = m.id AND main.paste_inf.uuid = m.uuid");
    ok = ok && forgetKept();
    if (!ok)
        return std::nullopt;
    *removed = replacements;
    return restored + moved;
}

void CoreDataManager::undoLastChange(std::function<void(qint64 restored)> done)
{
    d->queue.async([this, done = std::move(done)] {
        qint64 count = -1;
        if (d->writable() && d->keptReady()) {
            SqliteTransaction transaction(d->db);
            std::optional<QList<qint64>> restored;
            QList<qint64> removed;
            if (transaction.isActive())
                restored = d->restoreKept(&removed);
            if (restored && transaction.commit()) {
                count = restored->size();
                Log::info(kTag, QStringLiteral("undo success: %1 items back").arg(count));
                if (!removed.isEmpty())
                    d->notify({HistoryChange::Kind::Removed, {}, removed});
                // They come back at their old dates, among the others: every list reads again.
                if (!restored->isEmpty())
                    d->notify({HistoryChange::Kind::Reset, {}, *restored});
            } else {
                d->logFailure(QStringLiteral("undo fail, "));
            }
        }
        if (done)
            done(count);
    });
}
