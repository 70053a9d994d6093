#include "StoreSalvage.h"

#include "common/Log.h"
#include "model/Localized.h"
#include "model/ModelCoding.h"
#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"
#include "model/SqliteDatabase.h"
#include "model/StoreSchema.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstdio>
#include <limits>

namespace StoreSalvage {
namespace {

const QString kTag = QStringLiteral("StoreSalvage");

// Where nothing says how far a table goes (its last page is unreadable too), probing for the
// next readable row gives up after this many ids in a row without one.
constexpr qint64 kProbeWithoutEnd = 100000;

// A statement of its own: the copy binds values straight from one connection's row to the
// other's insert, whatever their types, which SqliteStatement does not offer.
class Statement
{
public:
    Statement(sqlite3* db, const QByteArray& sql)
    {
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }
    int step() { return sqlite3_step(stmt_); }
    void reset()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

QStringList columnsOf(SqliteDatabase& db, const QString& table)
{
    QStringList columns;
    Statement info(db.handle(), QStringLiteral("PRAGMA table_info(\"%1\")").arg(table).toUtf8());
    while (info.isValid() && info.step() == SQLITE_ROW)
        columns.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1))));
    return columns;
}

QStringList tablesOf(SqliteDatabase& db)
{
    QStringList tables;
    Statement list(db.handle(),
                   "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                   "ORDER BY rowid");
    while (list.isValid() && list.step() == SQLITE_ROW)
        tables.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list.get(), 0))));
    return tables;
}

// Copies the readable rows of one table in rowid order. A scan stops at the first page it
// cannot read; from there single rows are probed, rowid after rowid, until one reads again,
// and the scan goes on after it. So a damaged page costs its own rows and nothing beyond.
class TableCopy
{
public:
    TableCopy(SqliteDatabase& from, SqliteDatabase& to, const QString& table, const QStringList& columns)
        : from_(from.handle()), to_(to.handle()), columnCount_(int(columns.size()))
    {
        QStringList names, marks;
        for (const QString& column : columns) {
            names.append(QLatin1Char('"') + column + QLatin1Char('"'));
            marks.append(QStringLiteral("?"));
        }
        const QString list = names.join(QLatin1Char(','));
        scanSql_ = QStringLiteral("SELECT rowid,%1 FROM \"%2\" WHERE rowid >= ? ORDER BY rowid")
                       .arg(list, table)
                       .toUtf8();
        probeSql_ = QStringLiteral("SELECT rowid,%1 FROM \"%2\" WHERE rowid = ?").arg(list, table).toUtf8();
        insertSql_ = QStringLiteral("INSERT OR IGNORE INTO \"%1\"(%2) VALUES(%3)")
                         .arg(table, list, marks.join(QLatin1Char(',')))
                         .toUtf8();
        lastSql_ = QStringLiteral("SELECT max(rowid) FROM \"%1\"").arg(table).toUtf8();
    }

    // False when the table could not be read at all.
    bool run(qint64* stretches)
    {
        Statement scan(from_, scanSql_);
        Statement probe(from_, probeSql_);
        Statement insert(to_, insertSql_);
        if (!scan.isValid() || !probe.isValid() || !insert.isValid())
            return false;
        std::optional<qint64> last;
        {
            Statement max(from_, lastSql_);
            if (max.isValid() && max.step() == SQLITE_ROW)
                last = sqlite3_column_int64(max.get(), 0);
        }

        qint64 next = std::numeric_limits<qint64>::min();
        while (true) {
            sqlite3_bind_int64(scan.get(), 1, next);
            int rc;
            while ((rc = scan.step()) == SQLITE_ROW)
                next = copyRow(scan, insert) + 1;
            scan.reset();
            if (rc == SQLITE_DONE)
                return true;
            ++*stretches;
            Log::warning(kTag, QStringLiteral("unreadable rows from rowid %1 on: %2")
                                   .arg(next)
                                   .arg(QString::fromUtf8(sqlite3_errmsg(from_))));
            const std::optional<qint64> found = probeFrom(next, last, probe, insert);
            if (!found)
                return true;
            next = *found + 1;
        }
    }

    qint64 copied() const { return copied_; }

private:
    // Returns the row's rowid.
    qint64 copyRow(Statement& row, Statement& insert)
    {
        for (int i = 0; i < columnCount_; ++i)
            sqlite3_bind_value(insert.get(), i + 1, sqlite3_column_value(row.get(), i + 1));
        if (insert.step() == SQLITE_DONE && sqlite3_changes(to_) > 0)
            ++copied_;
        insert.reset();
        return sqlite3_column_int64(row.get(), 0);
    }

    std::optional<qint64> probeFrom(qint64 first, const std::optional<qint64>& last, Statement& probe,
                                    Statement& insert)
    {
        // Rowids below the first row read are not probed: a table whose start is unreadable
        // would otherwise count down from the smallest 64-bit number.
        qint64 rowid = first == std::numeric_limits<qint64>::min() ? 1 : first;
        for (qint64 misses = 0; last ? rowid <= *last : misses < kProbeWithoutEnd; ++rowid, ++misses) {
            sqlite3_bind_int64(probe.get(), 1, rowid);
            const bool found = probe.step() == SQLITE_ROW;
            if (found)
                copyRow(probe, insert);
            probe.reset();
            if (found)
                return rowid;
        }
        return std::nullopt;
    }

    sqlite3* from_;
    sqlite3* to_;
    int columnCount_;
    QByteArray scanSql_, probeSql_, insertSql_, lastSql_;
    qint64 copied_ = 0;
};

std::optional<qint64> count(SqliteDatabase& db, const QString& sql)
{
    return db.queryInteger(sql.toUtf8().constData());
}

// The tables whose rows belong to one item (their key references paste_inf).
QStringList itemTablesOf(SqliteDatabase& db, const QStringList& tables)
{
    QStringList children;
    for (const QString& table : tables) {
        Statement keys(db.handle(), QStringLiteral("PRAGMA foreign_key_list(\"%1\")").arg(table).toUtf8());
        while (keys.isValid() && keys.step() == SQLITE_ROW)
            if (QLatin1String(reinterpret_cast<const char*>(sqlite3_column_text(keys.get(), 2))) ==
                QLatin1String("paste_inf"))
                children.append(table);
    }
    children.removeDuplicates();
    return children;
}

// Items keep their metadata and content, or go; texts that were lost are rebuilt from the
// content the way the store writes them; items whose clipboard was lost join the default one.
bool settleItems(SqliteDatabase& fresh, const QStringList& tables, Report* report, QString* error)
{
    const QStringList children = itemTablesOf(fresh, tables);
    QStringList ids = {QStringLiteral("SELECT id FROM paste_inf")};
    for (const QString& child : children)
        ids.append(QStringLiteral("SELECT id FROM \"%1\"").arg(child));
    const std::optional<qint64> seen =
        count(fresh, QStringLiteral("SELECT count(*) FROM (%1)").arg(ids.join(QStringLiteral(" UNION "))));

    bool ok = seen && fresh.exec("DELETE FROM paste_inf WHERE id NOT IN (SELECT id FROM paste_inf_content)");
    for (const QString& child : children)
        ok = ok && fresh.exec(QStringLiteral("DELETE FROM \"%1\" WHERE id NOT IN (SELECT id FROM paste_inf)")
                                  .arg(child)
                                  .toUtf8()
                                  .constData());
    const std::optional<qint64> kept =
        ok ? count(fresh, QStringLiteral("SELECT count(*) FROM paste_inf")) : std::nullopt;
    if (!kept) {
        *error = fresh.errorMessage();
        return false;
    }
    report->itemsKept = *kept;
    report->itemsLost = *seen - *kept;

    {
        Statement missing(fresh.handle(),
                          "SELECT c.id, c.item_data FROM paste_inf_content c WHERE c.id NOT IN "
                          "(SELECT t.id FROM paste_inf_text t JOIN paste_inf_search s ON s.id = t.id)");
        Statement text(fresh.handle(), "INSERT OR REPLACE INTO paste_inf_text(id, plain_text) VALUES(?, ?)");
        Statement folded(fresh.handle(),
                         "INSERT OR REPLACE INTO paste_inf_search(id, folded_text) VALUES(?, ?)");
        if (!missing.isValid() || !text.isValid() || !folded.isValid()) {
            *error = fresh.errorMessage();
            return false;
        }
        while (missing.step() == SQLITE_ROW) {
            const qint64 id = sqlite3_column_int64(missing.get(), 0);
            const QByteArray blob(static_cast<const char*>(sqlite3_column_blob(missing.get(), 1)),
                                  sqlite3_column_bytes(missing.get(), 1));
            const auto items = PasteInfModel::pasteboardItemsFrom(ModelCoding::decodeItemData(blob));
            const std::optional<QString> plain =
                items && !items->isEmpty() ? items->first().plainString() : std::nullopt;
            for (Statement* statement : {&text, &folded}) {
                sqlite3_bind_int64(statement->get(), 1, id);
                if (plain) {
                    const QByteArray utf8 = (statement == &text ? *plain : plain->toLower()).toUtf8();
                    sqlite3_bind_text64(statement->get(), 2, utf8.constData(), sqlite3_uint64(utf8.size()),
                                        SQLITE_TRANSIENT, SQLITE_UTF8);
                }
                const int rc = statement->step();
                statement->reset();
                if (rc != SQLITE_DONE) {
                    *error = fresh.errorMessage();
                    return false;
                }
            }
            ++report->textsRebuilt;
        }
    }

    // Items whose clipboard row was lost get a clipboard again: in the default one they would
    // fall under its retention rule. The default clipboard itself Brimble recreates on start.
    QStringList orphaned;
    {
        SqliteStatement orphans = fresh.prepare(
            "SELECT DISTINCT category_uuid FROM paste_inf WHERE category_uuid IS NOT NULL AND category_uuid "
            "<> ? "
            "AND category_uuid NOT IN (SELECT uuid FROM paste_category_inf WHERE uuid IS NOT NULL)");
        if (!orphans.isValid()) {
            *error = fresh.errorMessage();
            return false;
        }
        orphans.bind(1, std::optional<QString>(kDefaultCategoryUUID));
        while (orphans.step() == SQLITE_ROW)
            orphaned.append(orphans.text(0).value_or(QString()));
    }
    const qint64 lastOrder =
        count(fresh, QStringLiteral("SELECT coalesce(max(order_number), 0) FROM paste_category_inf"))
            .value_or(0);
    SqliteStatement recreate =
        fresh.prepare("INSERT INTO paste_category_inf(uuid, title, order_number, color_index, "
                      "create_date) VALUES(?, ?, ?, 0, ?)");
    for (qsizetype i = 0; i < orphaned.size(); ++i) {
        if (!recreate.isValid()) {
            *error = fresh.errorMessage();
            return false;
        }
        recreate.bind(1, std::optional<QString>(orphaned.at(i)));
        recreate.bind(2, std::optional<QString>(QStringLiteral("Recovered clipboard %1").arg(i + 1)));
        recreate.bind(3, lastOrder + 1 + i);
        recreate.bind(4, QDateTime::currentMSecsSinceEpoch());
        const int rc = recreate.step();
        recreate.reset();
        if (rc != SQLITE_DONE) {
            *error = fresh.errorMessage();
            return false;
        }
    }
    report->clipboardsRecreated = orphaned.size();
    return true;
}

QString keptPathFor(const QString& path)
{
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo::exists(candidate + QStringLiteral("-wal"));
         ++n)
        candidate = base + QStringLiteral("-%1").arg(n);
    return candidate;
}

bool renameFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

bool salvage(const QString& path, Report* report, QString* error)
{
    *report = Report{};
    if (!QFileInfo(path).isFile()) {
        *error = LocalizedHistory::noneAt(path);
        return false;
    }

    // Reading a WAL-mode file creates an empty -wal and a -shm beside it; those are removed
    // again, so only what was there before moves aside with the damaged file.
    const bool hadWal = QFileInfo::exists(path + QStringLiteral("-wal"));
    const bool hadShm = QFileInfo::exists(path + QStringLiteral("-shm"));
    SqliteDatabase damaged;
    QString reason;
    if (!damaged.open(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, &reason)) {
        *error = QStringLiteral("%1 cannot be opened: %2").arg(path, reason);
        return false;
    }
    damaged.exec("PRAGMA query_only = 1");
    StoreSchema::Inspection inspection;
    if (!StoreSchema::inspect(damaged, &inspection, &reason) || !StoreSchema::isUsable(inspection, &reason)) {
        *error = QStringLiteral("%1 cannot be salvaged: %2").arg(path, reason);
        return false;
    }
    if (inspection.schemaObjects == 0) {
        *error = QStringLiteral("%1 holds no history").arg(path);
        return false;
    }

    // The fresh file is built beside the damaged one and takes its place only when complete.
    const QString freshPath = path + QStringLiteral(".salvaging");
    for (const char* suffix : {"", "-journal"})
        QFile::remove(freshPath + QLatin1String(suffix));
    bool built = false;
    {
        SqliteDatabase fresh;
        const mode_t oldMask = ::umask(077);
        const bool opened =
            fresh.open(freshPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, &reason);
        ::umask(oldMask);
        if (!opened || !StoreSchema::migrate(fresh, 0, &reason)) {
            *error = QStringLiteral("cannot create %1: %2").arg(freshPath, reason);
        } else {
            const QStringList tables = tablesOf(fresh);
            SqliteTransaction transaction(fresh);
            bool ok = transaction.isActive();
            for (const QString& table : tables) {
                if (!ok)
                    break;
                // Columns the damaged file's older schema lacks keep their defaults.
                const QStringList theirs = columnsOf(damaged, table);
                QStringList columns;
                for (const QString& column : columnsOf(fresh, table))
                    if (theirs.contains(column))
                        columns.append(column);
                if (columns.isEmpty()) {
                    Log::warning(kTag, QStringLiteral("table %1 is unreadable").arg(table));
                    ++report->unreadableStretches;
                    continue;
                }
                TableCopy copy(damaged, fresh, table, columns);
                if (!copy.run(&report->unreadableStretches)) {
                    Log::warning(
                        kTag,
                        QStringLiteral("table %1 is unreadable: %2").arg(table, damaged.errorMessage()));
                    ++report->unreadableStretches;
                }
                Log::info(kTag, QStringLiteral("%1: %2 rows copied").arg(table).arg(copy.copied()));
            }
            report->clipboardsKept =
                count(fresh, QStringLiteral("SELECT count(*) FROM paste_category_inf")).value_or(0);
            report->ignoreRulesKept =
                count(fresh, QStringLiteral("SELECT count(*) FROM ignored_app_inf")).value_or(0);
            ok = ok && settleItems(fresh, tables, report, &reason);
            built = ok && transaction.commit();
            if (!built)
                *error = LocalizedHistory::cannotWrite(freshPath,
                                                       reason.isEmpty() ? fresh.errorMessage() : reason);
        }
    }
    damaged.close();
    if (!hadWal)
        QFile::remove(path + QStringLiteral("-wal"));
    if (!hadShm)
        QFile::remove(path + QStringLiteral("-shm"));
    if (!built) {
        QFile::remove(freshPath);
        return false;
    }

    // The damaged file and its WAL move together, so the kept copy opens as it was; the -shm
    // is only an index of the WAL and is rebuilt from it.
    const QString kept = keptPathFor(path);
    if (!renameFile(path, kept)) {
        *error = LocalizedHistory::cannotMoveAside(path, QString::fromLocal8Bit(strerror(errno)));
        QFile::remove(freshPath);
        return false;
    }
    if (hadWal && !renameFile(path + QStringLiteral("-wal"), kept + QStringLiteral("-wal"))) {
        *error = LocalizedHistory::cannotMoveAside(path + QStringLiteral("-wal"),
                                                   QString::fromLocal8Bit(strerror(errno)));
        renameFile(kept, path);
        QFile::remove(freshPath);
        return false;
    }
    QFile::remove(path + QStringLiteral("-shm"));
    if (!renameFile(freshPath, path)) {
        *error = LocalizedHistory::cannotPutInPlace(QString::fromLocal8Bit(strerror(errno)));
        if (hadWal)
            renameFile(kept + QStringLiteral("-wal"), path + QStringLiteral("-wal"));
        renameFile(kept, path);
        return false;
    }
    report->keptPath = kept;
    Log::info(kTag, QStringLiteral("salvaged %1: %2 items kept, %3 lost, damaged file kept as %4")
                        .arg(path)
                        .arg(report->itemsKept)
                        .arg(report->itemsLost)
                        .arg(kept));
    return true;
}

} // namespace StoreSalvage
