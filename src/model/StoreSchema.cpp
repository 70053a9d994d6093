#include "StoreSchema.h"

#include "model/SqliteDatabase.h"

#include <QByteArray>

#include <array>

namespace StoreSchema {

namespace {

// Every change to the searchable texts, by row id, so that a reader holding the texts in memory
// catches up with what was written since it read them: any connection's writes are logged in
// their own transaction. Only the newest entries are kept; a reader further behind reads all
// texts again. Written with IF NOT EXISTS so that opening the store puts back a part that is
// missing.
constexpr const char* kSearchChangeLog = R"sql(
    CREATE TABLE IF NOT EXISTS paste_inf_search_change(
        seq INTEGER PRIMARY KEY AUTOINCREMENT,
        id INTEGER NOT NULL);
    CREATE TRIGGER IF NOT EXISTS paste_inf_search_inserted AFTER INSERT ON paste_inf_search BEGIN
        INSERT INTO paste_inf_search_change(id) VALUES(NEW.id);
        DELETE FROM paste_inf_search_change
            WHERE seq <= (SELECT max(seq) FROM paste_inf_search_change) - 10000;
    END;
    CREATE TRIGGER IF NOT EXISTS paste_inf_search_updated AFTER UPDATE ON paste_inf_search BEGIN
        INSERT INTO paste_inf_search_change(id) VALUES(OLD.id);
        INSERT INTO paste_inf_search_change(id) SELECT NEW.id WHERE NEW.id <> OLD.id;
        DELETE FROM paste_inf_search_change
            WHERE seq <= (SELECT max(seq) FROM paste_inf_search_change) - 10000;
    END;
    CREATE TRIGGER IF NOT EXISTS paste_inf_search_deleted AFTER DELETE ON paste_inf_search BEGIN
        INSERT INTO paste_inf_search_change(id) VALUES(OLD.id);
        DELETE FROM paste_inf_search_change
            WHERE seq <= (SELECT max(seq) FROM paste_inf_search_change) - 10000;
    END;
    )sql";

// What changes an item's place in its clipboard's history order (it comes, goes, moves in time or
// to another clipboard, or changes type), logged in the same log by row id, so that a history
// order kept between runs catches up as the texts do. Derived like the log itself: put back on
// every open.
constexpr const char* kOrderChangeLog = R"sql(
    CREATE TRIGGER IF NOT EXISTS paste_inf_order_inserted AFTER INSERT ON paste_inf BEGIN
        INSERT INTO paste_inf_search_change(id) VALUES(NEW.id);
        DELETE FROM paste_inf_search_change
            WHERE seq <= (SELECT max(seq) FROM paste_inf_search_change) - 10000;
    END;
    CREATE TRIGGER IF NOT EXISTS paste_inf_order_updated
        AFTER UPDATE OF id, date, category_uuid, display_type, uuid ON paste_inf BEGIN
        INSERT INTO paste_inf_search_change(id) VALUES(OLD.id);
        INSERT INTO paste_inf_search_change(id) SELECT NEW.id WHERE NEW.id <> OLD.id;
        DELETE FROM paste_inf_search_change
            WHERE seq <= (SELECT max(seq) FROM paste_inf_search_change) - 10000;
    END;
    CREATE TRIGGER IF NOT EXISTS paste_inf_order_deleted AFTER DELETE ON paste_inf BEGIN
        INSERT INTO paste_inf_search_change(id) VALUES(OLD.id);
        DELETE FROM paste_inf_search_change
            WHERE seq <= (SELECT max(seq) FROM paste_inf_search_change) - 10000;
    END;
    )sql";

// Index i takes the schema from version i to version i + 1. Never edit a shipped entry: add a
// new one.
constexpr std::array kMigrations = {
    // 1: the first schema. Content and plain text live in their own tables so that listing
    // a clipboard reads metadata only; deleting an item takes them along. The index covers
    // what a search walks in history order, and the lower-cased text has a table of its own
    // so that a text scan reads nothing else.
    R"sql(
    CREATE TABLE paste_inf(
        id INTEGER PRIMARY KEY,
        uuid TEXT NOT NULL UNIQUE,
        date INTEGER,
        category_uuid TEXT,
        app_name TEXT,
        app_bundle_url TEXT,
        app_bundle_identifier TEXT,
        display_type TEXT,
        display_paste_board_type TEXT,
        type_data BLOB,
        header_bg_color BLOB,
        content_size INTEGER);
    CREATE INDEX paste_inf_by_category_date ON paste_inf(category_uuid, date DESC, display_type, uuid);
    CREATE TABLE paste_inf_content(
        id INTEGER PRIMARY KEY REFERENCES paste_inf(id) ON DELETE CASCADE,
        item_data BLOB);
    CREATE TABLE paste_inf_text(
        id INTEGER PRIMARY KEY REFERENCES paste_inf(id) ON DELETE CASCADE,
        plain_text TEXT);
    CREATE TABLE paste_inf_search(
        id INTEGER PRIMARY KEY REFERENCES paste_inf(id) ON DELETE CASCADE,
        folded_text TEXT);
    CREATE TABLE paste_category_inf(
        uuid TEXT PRIMARY KEY,
        title TEXT,
        order_number INTEGER,
        color_index INTEGER,
        create_date INTEGER,
        recent_selected_date INTEGER);
    CREATE TABLE ignored_app_inf(
        uuid TEXT PRIMARY KEY,
        name TEXT,
        path TEXT,
        bundle_identifier TEXT,
        date INTEGER);
    )sql",
    // 2: copies recognised as secrets say what kind they are; they expire on their own, so
    // their dates have an index of their own.
    R"sql(
    ALTER TABLE paste_inf ADD COLUMN secret_kind TEXT;
    CREATE INDEX paste_inf_secret_by_date ON paste_inf(date) WHERE secret_kind IS NOT NULL;
    )sql",
    // 3: the text read in copied images. image_text_state says how far reading went (absent:
    // not looked at yet), so reading resumes after a restart; the index finds what is left.
    R"sql(
    ALTER TABLE paste_inf ADD COLUMN image_text_state INTEGER;
    CREATE INDEX paste_inf_image_text_unread ON paste_inf(date) WHERE image_text_state IS NULL;
    CREATE TABLE paste_inf_image_text(
        id INTEGER PRIMARY KEY REFERENCES paste_inf(id) ON DELETE CASCADE,
        text TEXT);
    )sql",
    // 4: the change log of the searchable texts.
    kSearchChangeLog,
};

} // namespace

int currentVersion()
{
    return int(kMigrations.size());
}

bool inspect(SqliteDatabase& db, Inspection* out, QString* error)
{
    // Reading sqlite_master parses every page of the schema: a file that is not a database or
    // whose schema is damaged fails here, before anything is written.
    const auto objects = db.queryInteger("SELECT count(*) FROM sqlite_master");
    const auto appId = objects ? db.queryInteger("PRAGMA application_id") : std::nullopt;
    const auto version = appId ? db.queryInteger("PRAGMA user_version") : std::nullopt;
    if (!objects || !appId || !version) {
        if (error)
            *error = db.errorMessage();
        return false;
    }
    out->schemaObjects = *objects;
    out->applicationId = std::int32_t(*appId);
    out->version = int(*version);
    return true;
}

bool isUsable(const Inspection& inspection, QString* error)
{
    const bool empty =
        inspection.applicationId == 0 && inspection.version == 0 && inspection.schemaObjects == 0;
    if (empty)
        return true;
    if (inspection.applicationId != kApplicationId) {
        if (error)
            *error = QStringLiteral("it is not a Brimble history database (application id %1)")
                         .arg(inspection.applicationId);
        return false;
    }
    if (inspection.version > currentVersion()) {
        if (error)
            *error =
                QStringLiteral("it was written by a newer Brimble (schema %1; this Brimble knows up to %2)")
                    .arg(inspection.version)
                    .arg(currentVersion());
        return false;
    }
    return true;
}

bool migrate(SqliteDatabase& db, int fromVersion, QString* error)
{
    for (int version = fromVersion; version < currentVersion(); ++version) {
        SqliteTransaction transaction(db);
        const QByteArray stamp = QByteArray("PRAGMA user_version = ") + QByteArray::number(version + 1) +
                                 "; PRAGMA application_id = " + QByteArray::number(kApplicationId) + ";";
        if (!transaction.isActive() || !db.exec(kMigrations[std::size_t(version)]) ||
            !db.exec(stamp.constData()) || !transaction.commit()) {
            if (error)
                *error = QStringLiteral("schema migration to version %1 failed: %2")
                             .arg(version + 1)
                             .arg(db.errorMessage());
            return false;
        }
    }
    return true;
}

bool restoreDerived(SqliteDatabase& db, QString* error)
{
    if (db.exec(kSearchChangeLog) && db.exec(kOrderChangeLog))
        return true;
    if (error)
        *error = QStringLiteral("cannot restore the change log of the texts: %1").arg(db.errorMessage());
    return false;
}

} // namespace StoreSchema
