#include "model/HistoryArchive.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/SqliteDatabase.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace HistoryArchive {
namespace {

const QString kTag = QStringLiteral("HistoryArchive");
constexpr qint64 kApplicationId = 0x42724841; // "BrHA"
constexpr int kVersion = 1;
const QString kFormat = QStringLiteral("brimble-history");
// Sizes no real history reaches: text fields past them mean a crafted file.
constexpr int kMaxUuid = 64;
constexpr int kMaxTitle = 1000;
constexpr int kMaxAppField = 4096;
constexpr int kMaxType = 255;
constexpr int kMaxParts = 10000;
// The latest date accepted: the end of the year 9999, in milliseconds.
constexpr qint64 kMaxDate = 253402300799999;

// The whole schema. Never change it for version 1: a new layout is a new version.
constexpr const char* kSchema = R"sql(
CREATE TABLE archive(key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE clipboard(id INTEGER PRIMARY KEY, uuid TEXT NOT NULL, title TEXT NOT NULL,
    color_index INTEGER NOT NULL);
CREATE TABLE item(id INTEGER PRIMARY KEY, uuid TEXT NOT NULL, clipboard_id INTEGER NOT NULL,
    created INTEGER NOT NULL, app_name TEXT, app_path TEXT, app_id TEXT);
CREATE TABLE representation(id INTEGER PRIMARY KEY, item_id INTEGER NOT NULL, part INTEGER NOT NULL,
    position INTEGER NOT NULL, type TEXT NOT NULL, data BLOB NOT NULL);
CREATE INDEX representation_by_item ON representation(item_id, part, position);
)sql";

QString nativePath(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QString damaged(const QString& path, const QString& reason)
{
    Log::error(kTag, QStringLiteral("refused %1: %2").arg(path, reason));
    return LocalizedArchive::damaged(nativePath(path), reason);
}

// The schema objects of a database, as (type, name, table, sql) lines in a fixed order.
std::optional<QStringList> schemaOf(SqliteDatabase& db)
{
    SqliteStatement rows =
        db.prepare("SELECT type, name, tbl_name, coalesce(sql, '') FROM sqlite_master ORDER BY type, name");
    if (!rows.isValid())
        return std::nullopt;
    QStringList lines;
    int rc;
    while ((rc = rows.step()) == SQLITE_ROW) {
        lines.append(rows.text(0).value_or(QString()) + u'\x1f' + rows.text(1).value_or(QString()) + u'\x1f' +
                     rows.text(2).value_or(QString()) + u'\x1f' + rows.text(3).value_or(QString()));
    }
    if (rc != SQLITE_DONE)
        return std::nullopt;
    return lines;
}

const QStringList& expectedSchema()
{
    static const QStringList schema = [] {
        SqliteDatabase db;
        QString error;
        if (!db.open(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &error) ||
            !db.exec(kSchema))
            return QStringList();
        return schemaOf(db).value_or(QStringList());
    }();
    return schema;
}

// The number of rows a check query counts; absent when it could not run.
std::optional<qint64> count(SqliteDatabase& db, const char* sql)
{
    return db.queryInteger(sql);
}

// Opens and checks the file; on success `db` is open on it, read only.
bool openArchive(SqliteDatabase& db, const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = LocalizedArchive::cannotOpen(nativePath(path), QString::fromLocal8Bit(std::strerror(ENOENT)));
        return false;
    }
    if (!info.isFile()) {
        *error = LocalizedArchive::notArchive(nativePath(path));
        return false;
    }
    const qint64 fileSize = info.size();
    if (fileSize > kMaxFileBytes) {
        *error = damaged(path, QStringLiteral("%1 bytes, more than the %2 accepted").arg(fileSize).arg(kMaxFileBytes));
        return false;
    }
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = LocalizedArchive::cannotOpen(nativePath(path), file.errorString());
            return false;
        }
        if (file.read(16) != QByteArray("SQLite format 3\0", 16)) {
            *error = LocalizedArchive::notArchive(nativePath(path));
            return false;
        }
    }
    // Immutable: SQLite takes no lock and reads no journal or WAL left beside the file, so only
    // the file's own bytes are read, and nothing is ever written next to it.
    QUrl uri = QUrl::fromLocalFile(info.absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1"));
    QString openError;
    if (!db.open(uri.toString(QUrl::FullyEncoded), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                 &openError)) {
        *error = LocalizedArchive::cannotOpen(nativePath(path), openError);
        return false;
    }
    sqlite3* handle = db.handle();
    // A value longer than any the history keeps is not read at all, whatever a row claims.
    sqlite3_limit(handle, SQLITE_LIMIT_LENGTH, int(kMaxRepresentationBytes + 1024));
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    db.exec("PRAGMA query_only = ON; PRAGMA cell_size_check = ON; PRAGMA mmap_size = 0;");

    const auto appId = db.queryInteger("PRAGMA application_id");
    const auto version = db.queryInteger("PRAGMA user_version");
    if (!appId || !version) {
        *error = damaged(path, db.errorMessage());
        return false;
    }
    if (*appId != kApplicationId) {
        *error = LocalizedArchive::notArchive(nativePath(path));
        return false;
    }
    if (*version > kVersion) {
        *error = LocalizedArchive::newer(nativePath(path), QString::number(*version));
        return false;
    }
    if (*version != kVersion) {
        *error = damaged(path, QStringLiteral("format version %1").arg(*version));
        return false;
    }
    const auto schema = schemaOf(db);
    if (!schema) {
        *error = damaged(path, db.errorMessage());
        return false;
    }
    if (*schema != expectedSchema()) {
        *error = damaged(path, QStringLiteral("its tables are not the export's"));
        return false;
    }
    {
        // Every page, record and index entry: a truncated file or a record whose sizes lie
        // fails here.
        SqliteStatement check = db.prepare("PRAGMA integrity_check(1)");
        if (!check.isValid() || check.step() != SQLITE_ROW) {
            *error = damaged(path, db.errorMessage());
            return false;
        }
        const QString verdict = check.text(0).value_or(QString());
        if (verdict != QLatin1String("ok")) {
            *error = damaged(path, verdict);
            return false;
        }
    }
    {
        SqliteStatement header = db.prepare(
            "SELECT (SELECT value FROM archive WHERE key = 'format'), (SELECT value FROM archive WHERE key = 'version')");
        if (!header.isValid() || header.step() != SQLITE_ROW) {
            *error = damaged(path, db.errorMessage());
            return false;
        }
        if (header.text(0) != kFormat || header.text(1) != QString::number(kVersion)) {
            *error = damaged(path, QStringLiteral("no format line"));
            return false;
        }
    }

    // Every value has its type and its bounds, every reference its row. Each query counts what
    // breaks a rule; all must count nothing.
    static const QByteArray maxRep = QByteArray::number(kMaxRepresentationBytes);
    const QList<std::pair<QByteArray, const char*>> rules = {
        {"SELECT count(*) FROM clipboard WHERE typeof(uuid) != 'text' OR length(uuid) NOT BETWEEN 1 AND " +
             QByteArray::number(kMaxUuid) + " OR typeof(title) != 'text' OR length(title) > " +
             QByteArray::number(kMaxTitle) + " OR typeof(color_index) != 'integer'",
         "a clipboard with a bad value"},
        {"SELECT count(*) - count(DISTINCT uuid) FROM clipboard", "a clipboard twice"},
        {"SELECT count(*) FROM item WHERE typeof(uuid) != 'text' OR length(uuid) NOT BETWEEN 1 AND " +
             QByteArray::number(kMaxUuid) + " OR typeof(created) != 'integer' OR created NOT BETWEEN 0 AND " +
             QByteArray::number(kMaxDate) + " OR typeof(clipboard_id) != 'integer'" +
             " OR clipboard_id NOT IN (SELECT id FROM clipboard)" +
             " OR (app_name IS NOT NULL AND (typeof(app_name) != 'text' OR length(app_name) > " +
             QByteArray::number(kMaxAppField) + "))" +
             " OR (app_path IS NOT NULL AND (typeof(app_path) != 'text' OR length(app_path) > " +
             QByteArray::number(kMaxAppField) + "))" +
             " OR (app_id IS NOT NULL AND (typeof(app_id) != 'text' OR length(app_id) > " +
             QByteArray::number(kMaxAppField) + "))",
         "an item with a bad value"},
        {"SELECT count(*) - count(DISTINCT uuid) FROM item", "an item twice"},
        // The source application's path is where its icon is read from: only an absolute path
        // without steps up or aside.
        {"SELECT count(*) FROM item WHERE app_path IS NOT NULL AND (app_path NOT GLOB '/*'"
         " OR app_path GLOB '*/../*' OR app_path GLOB '*/..' OR app_path GLOB '*/./*' OR app_path GLOB '*/.')",
         "an application path that is not plainly absolute"},
        {"SELECT count(*) FROM item WHERE id NOT IN (SELECT item_id FROM representation)", "an item without content"},
        {"SELECT count(*) FROM representation WHERE typeof(item_id) != 'integer'"
         " OR item_id NOT IN (SELECT id FROM item) OR typeof(part) != 'integer' OR part NOT BETWEEN 0 AND " +
             QByteArray::number(kMaxParts) + " OR typeof(position) != 'integer' OR position NOT BETWEEN 0 AND " +
             QByteArray::number(kMaxParts) + " OR typeof(type) != 'text' OR length(type) NOT BETWEEN 1 AND " +
             QByteArray::number(kMaxType) + " OR typeof(data) != 'blob' OR length(data) > " + maxRep,
         "a representation with a bad value or size"},
        {"SELECT count(*) FROM (SELECT 1 FROM representation GROUP BY item_id, part, position HAVING count(*) > 1)",
         "a representation twice"},
        {"SELECT count(*) FROM (SELECT 1 FROM representation GROUP BY item_id HAVING sum(length(data)) > " +
             QByteArray::number(kMaxItemBytes) + ")",
         "an item larger than a copy can be"},
        // The sizes the rows declare cannot add up to more than the file holds.
        {"SELECT coalesce(sum(length(data)), 0) > " + QByteArray::number(fileSize) + " FROM representation",
         "sizes larger than the file"},
    };
    for (const auto& [sql, what] : rules) {
        const auto broken = count(db, sql.constData());
        if (!broken) {
            *error = damaged(path, db.errorMessage());
            return false;
        }
        if (*broken != 0) {
            *error = damaged(path, QString::fromLatin1(what));
            return false;
        }
    }
    return true;
}

struct ArchiveClipboard
{
    qint64 id = 0;
    QString uuid;
    QString title;
    qint64 colorIndex = 0;
};

bool sameContent(const PasteboardItems& a, const PasteboardItems& b)
{
    return a == b;
}

// Renames `from` to `to` unless `to` exists; errno on failure.
bool renameWithoutReplacing(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link fails as well when the name is taken.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

} // namespace

Result exportHistory(CoreDataManager& store, const QString& path,
                     const std::optional<PasteCategoryInfModel>& clipboard)
{
    Result result;
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) {
        result.error = LocalizedArchive::exists(nativePath(path));
        return result;
    }
    // Written beside the target, so the rename stays on one file system.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.brimble-export-XXXXXX"));
    if (!temporary.open()) {
        result.error = LocalizedArchive::cannotWrite(nativePath(path), temporary.errorString());
        return result;
    }
    temporary.close();
    SqliteDatabase out;
    QString error;
    const auto fail = [&](const QString& reason) {
        result = Result();
        result.error = LocalizedArchive::cannotWrite(nativePath(path), reason);
        Log::error(kTag, QStringLiteral("export to %1 failed: %2").arg(path, reason));
        return result;
    };
    if (!out.open(temporary.fileName(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, &error))
        return fail(error);
    const QByteArray header = "PRAGMA journal_mode = MEMORY; PRAGMA application_id = " +
                              QByteArray::number(kApplicationId) +
                              "; PRAGMA user_version = " + QByteArray::number(kVersion) + ";";
    if (!out.exec(header.constData()) || !out.exec(kSchema) || !out.exec("BEGIN"))
        return fail(out.errorMessage());
    {
        SqliteStatement line = out.prepare("INSERT INTO archive(key, value) VALUES(?, ?)");
        const QList<std::pair<QString, QString>> lines = {
            {QStringLiteral("format"), kFormat},
            {QStringLiteral("version"), QString::number(kVersion)},
            {QStringLiteral("exported"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}};
        for (const auto& [key, value] : lines) {
            line.bind(1, key);
            line.bind(2, value);
            if (line.step() != SQLITE_DONE)
                return fail(out.errorMessage());
            line.reset();
        }
    }

    {
        // The statements go before the connection closes.
        const QList<PasteCategoryInfModel> clipboards = clipboard ? QList{*clipboard} : store.fetchCategories();
        if (store.isDamaged())
            return fail(store.damageMessage());
        SqliteStatement addClipboard = out.prepare("INSERT INTO clipboard(uuid, title, color_index) VALUES(?, ?, ?)");
        SqliteStatement addItem = out.prepare(
            "INSERT INTO item(uuid, clipboard_id, created, app_name, app_path, app_id) VALUES(?, ?, ?, ?, ?, ?)");
        SqliteStatement addRepresentation =
            out.prepare("INSERT INTO representation(item_id, part, position, type, data) VALUES(?, ?, ?, ?, ?)");
        if (!addClipboard.isValid() || !addItem.isValid() || !addRepresentation.isValid())
            return fail(out.errorMessage());
        for (const PasteCategoryInfModel& category : clipboards) {
            if (!category.uuid)
                continue;
            addClipboard.bind(1, category.uuid);
            addClipboard.bind(2, category.title.value_or(QString()));
            addClipboard.bind(3, qint64(category.colorIndex));
            if (addClipboard.step() != SQLITE_DONE)
                return fail(out.errorMessage());
            addClipboard.reset();
            const qint64 clipboardId = out.lastInsertRowId();
            ++result.clipboards;

            const QList<PasteInfModel> models = store.fetchPasteInfs(category);
            // In slices, so no more than one slice's content is in memory at a time.
            constexpr qsizetype kSlice = 64;
            for (qsizetype start = 0; start < models.size(); start += kSlice) {
                QList<PasteInfModel> slice = models.mid(start, kSlice);
                store.preloadContent(slice);
                for (const PasteInfModel& model : slice) {
                    if (model.secretKind) {
                        ++result.skipped;
                        continue;
                    }
                    const auto& items = model.pasteboardItems();
                    if (!items || !model.uuid) {
                        return fail(store.isDamaged() ? store.damageMessage()
                                                      : QStringLiteral("the content of %1 cannot be read")
                                                            .arg(model.uuid.value_or(QString())));
                    }
                    addItem.bind(1, model.uuid);
                    addItem.bind(2, clipboardId);
                    addItem.bind(3, model.date ? model.date->toMSecsSinceEpoch() : 0);
                    addItem.bind(4, model.appName);
                    addItem.bind(5, model.appBundleUrl);
                    addItem.bind(6, model.appBundleIdentifier);
                    if (addItem.step() != SQLITE_DONE)
                        return fail(out.errorMessage());
                    addItem.reset();
                    const qint64 itemId = out.lastInsertRowId();
                    for (qsizetype part = 0; part < items->size(); ++part) {
                        const auto& reps = items->at(part).representations();
                        for (qsizetype position = 0; position < reps.size(); ++position) {
                            addRepresentation.bind(1, itemId);
                            addRepresentation.bind(2, qint64(part));
                            addRepresentation.bind(3, qint64(position));
                            addRepresentation.bind(4, reps.at(position).type);
                            addRepresentation.bindBlob(5, reps.at(position).data);
                            if (addRepresentation.step() != SQLITE_DONE)
                                return fail(out.errorMessage());
                            addRepresentation.reset();
                        }
                    }
                    ++result.items;
                }
            }
        }
    }
    if (!out.exec("COMMIT"))
        return fail(out.errorMessage());
    out.close();
    {
        // On the disk before it takes the name.
        const int fd = ::open(QFile::encodeName(temporary.fileName()).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0)
                ::close(fd);
            return fail(reason);
        }
        ::close(fd);
    }
    if (!renameWithoutReplacing(temporary.fileName(), target.absoluteFilePath())) {
        if (errno == EEXIST) {
            result = Result();
            result.error = LocalizedArchive::exists(nativePath(path));
            return result;
        }
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    temporary.setAutoRemove(false);
    result.ok = true;
    Log::info(kTag, QStringLiteral("exported %1 items of %2 clipboards to %3 (%4 secrets left out)")
                        .arg(result.items)
                        .arg(result.clipboards)
                        .arg(path)
                        .arg(result.skipped));
    return result;
}

Result importHistory(CoreDataManager& store, const QString& path)
{
    Result result;
    SqliteDatabase in;
    if (!openArchive(in, path, &result.error))
        return result;

    QList<ArchiveClipboard> archived;
    {
        SqliteStatement rows = in.prepare("SELECT id, uuid, title, color_index FROM clipboard ORDER BY id");
        int rc;
        while (rows.isValid() && (rc = rows.step()) == SQLITE_ROW)
            archived.append({rows.int64(0), rows.text(1).value_or(QString()), rows.text(2).value_or(QString()),
                             rows.int64(3)});
        if (!rows.isValid() || rc != SQLITE_DONE) {
            result.error = damaged(path, in.errorMessage());
            return result;
        }
    }

    QString readError;
    bool stored = false;
    const bool committed = store.performAtomically([&] {
        // The file's clipboards in the history's terms: uuid, then title, else made now.
        QList<PasteCategoryInfModel> existing = store.fetchCategories();
        QHash<qint64, QString> clipboardFor;
        for (const ArchiveClipboard& clipboard : archived) {
            const PasteCategoryInfModel* match = nullptr;
            for (const auto& category : existing)
                if (category.uuid == clipboard.uuid)
                    match = &category;
            for (qsizetype i = 0; !match && i < existing.size(); ++i)
                if (existing.at(i).title == clipboard.title)
                    match = &existing.at(i);
            if (match) {
                clipboardFor.insert(clipboard.id, *match->uuid);
                continue;
            }
            PasteCategoryInfModel created = PasteCategoryInfModel::successor(
                existing.isEmpty() ? std::nullopt : std::optional(existing.last()));
            created.title = clipboard.title;
            created.uuid = clipboard.uuid;
            created.colorIndex = qint16(qBound<qint64>(0, clipboard.colorIndex, categoryColors.size() - 1));
            store.insertCategory(created);
            existing.append(created);
            clipboardFor.insert(clipboard.id, clipboard.uuid);
            ++result.clipboards;
        }

        // What each clipboard holds, by creation date, read when an item of the file needs it.
        QHash<QString, QMultiHash<qint64, PasteInfModel>> byDate;
        const auto itemsAt = [&](const QString& clipboardUuid, qint64 created) {
            if (!byDate.contains(clipboardUuid)) {
                QMultiHash<qint64, PasteInfModel>& dates = byDate[clipboardUuid];
                PasteCategoryInfModel category;
                category.uuid = clipboardUuid;
                for (const PasteInfModel& model : store.fetchPasteInfs(category))
                    if (model.date)
                        dates.insert(model.date->toMSecsSinceEpoch(), model);
            }
            return byDate.value(clipboardUuid).values(created);
        };

        // Oldest first, so the newest of the file ends up on top, as it was.
        SqliteStatement items = in.prepare(
            "SELECT id, uuid, clipboard_id, created, app_name, app_path, app_id FROM item ORDER BY created, id");
        SqliteStatement content =
            in.prepare("SELECT part, type, data FROM representation WHERE item_id = ? ORDER BY part, position");
        if (!items.isValid() || !content.isValid()) {
            readError = in.errorMessage();
            return false;
        }
        int rc;
        while ((rc = items.step()) == SQLITE_ROW) {
            const QString uuid = items.text(1).value_or(QString());
            const QString clipboardUuid = clipboardFor.value(items.int64(2));
            const qint64 created = items.int64(3);
            if (store.fetchPasteInf(uuid)) {
                ++result.skipped;
                continue;
            }
            content.bind(1, items.int64(0));
            PasteboardItems pasteboardItems;
            QList<PasteboardItem::Representation> reps;
            QStringList types;
            qint64 part = -1;
            int crc;
            while ((crc = content.step()) == SQLITE_ROW) {
                if (content.int64(0) != part) {
                    if (part >= 0)
                        pasteboardItems.append(PasteboardItem(std::move(reps)));
                    reps.clear();
                    part = content.int64(0);
                }
                const QString type = content.text(1).value_or(QString());
                reps.append({type, content.blob(2)});
                if (!types.contains(type))
                    types.append(type);
            }
            content.reset();
            if (crc != SQLITE_DONE) {
                readError = in.errorMessage();
                return false;
            }
            pasteboardItems.append(PasteboardItem(std::move(reps)));

            bool present = false;
            for (const PasteInfModel& model : itemsAt(clipboardUuid, created)) {
                if (const auto& held = store.fetchPasteboardItems(*model.uuid);
                    held && sameContent(*held, pasteboardItems)) {
                    present = true;
                    break;
                }
            }
            if (present) {
                ++result.skipped;
                continue;
            }
            PasteInfModel model = PasteInfModel::capture(pasteboardItems, types, nullptr);
            model.uuid = uuid;
            model.date = QDateTime::fromMSecsSinceEpoch(created, Qt::UTC);
            model.categoryUUID = clipboardUuid;
            model.appName = items.text(4);
            model.appBundleUrl = items.text(5);
            model.appBundleIdentifier = items.text(6);
            store.insertPasteInf(model);
            ++result.items;
        }
        if (rc != SQLITE_DONE) {
            readError = in.errorMessage();
            return false;
        }
        stored = true;
        return true;
    });
    if (!committed) {
        result = Result();
        if (!readError.isEmpty())
            result.error = damaged(path, readError);
        else
            result.error = LocalizedArchive::storeFailed(
                store.isDamaged() ? store.damageMessage()
                                  : stored ? QStringLiteral("see the log") : QStringLiteral("the history is not writable"));
        return result;
    }
    result.ok = true;
    Log::info(kTag, QStringLiteral("imported %1: %2 items added, %3 present, %4 clipboards created")
                        .arg(path)
                        .arg(result.items)
                        .arg(result.skipped)
                        .arg(result.clipboards));
    return result;
}

QString describeExport(const Result& result)
{
    if (!result.ok)
        return result.error;
    QString text = LocalizedArchive::exported(QString::number(result.items), QString::number(result.clipboards));
    if (result.skipped > 0)
        text += u'\n' + LocalizedArchive::secretsLeftOut(QString::number(result.skipped));
    return text;
}

QString describeImport(const Result& result)
{
    if (!result.ok)
        return result.error;
    return LocalizedArchive::imported(QString::number(result.items), QString::number(result.skipped),
                                      QString::number(result.clipboards));
}

} // namespace HistoryArchive
