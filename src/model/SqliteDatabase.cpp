#include "SqliteDatabase.h"

#include <sqlite3.h>

void SqliteStatement::reset()
{
    if (!stmt_)
        return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

SqliteStatement::~SqliteStatement()
{
    if (stmt_) {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
}

void SqliteStatement::bind(int index, const std::optional<QString>& text)
{
    if (!text) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    const QByteArray utf8 = text->toUtf8();
    sqlite3_bind_text64(stmt_, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                        SQLITE_UTF8);
}

void SqliteStatement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(stmt_, index, value);
}

void SqliteStatement::bind(int index, const std::optional<qint64>& value)
{
    if (value)
        sqlite3_bind_int64(stmt_, index, *value);
    else
        sqlite3_bind_null(stmt_, index);
}

void SqliteStatement::bindBlob(int index, const QByteArray& blob)
{
    // The bytes outlive the step, so SQLite need not copy them.
    sqlite3_bind_blob64(stmt_, index, blob.isEmpty() ? "" : blob.constData(), sqlite3_uint64(blob.size()),
                        SQLITE_STATIC);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(stmt_, index);
}

int SqliteStatement::step()
{
    const int rc = sqlite3_step(stmt_);
    return db_ ? db_->checked(rc) : rc;
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::optional<QString> SqliteStatement::text(int column) const
{
    if (isNull(column))
        return std::nullopt;
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

std::optional<qint64> SqliteStatement::integer(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return sqlite3_column_int64(stmt_, column);
}

qint64 SqliteStatement::int64(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

QByteArray SqliteStatement::blob(int column) const
{
    const void* data = sqlite3_column_blob(stmt_, column);
    return QByteArray(static_cast<const char*>(data), data ? sqlite3_column_bytes(stmt_, column) : 0);
}

QByteArray SqliteStatement::blobView(int column) const
{
    const void* data = sqlite3_column_blob(stmt_, column);
    if (!data)
        return QByteArray();
    return QByteArray::fromRawData(static_cast<const char*>(data), sqlite3_column_bytes(stmt_, column));
}

QByteArray SqliteStatement::textView(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!data)
        return QByteArray();
    return QByteArray::fromRawData(data, sqlite3_column_bytes(stmt_, column));
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

bool SqliteDatabase::open(const QString& path, int flags, QString* error)
{
    close();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        return false;
    }
    sqlite3_extended_result_codes(db, 1);
    db_ = db;
    return true;
}

void SqliteDatabase::close()
{
    for (auto& [sql, stmt] : statements_)
        sqlite3_finalize(stmt);
    statements_.clear();
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
    corruptionSeen_ = false;
}

void SqliteDatabase::swap(SqliteDatabase& other) noexcept
{
    std::swap(db_, other.db_);
    statements_.swap(other.statements_);
    std::swap(corruptionSeen_, other.corruptionSeen_);
}

SqliteStatement SqliteDatabase::prepare(const char* sql)
{
    if (!db_)
        return SqliteStatement();
    auto it = statements_.find(sql);
    if (it != statements_.end())
        return SqliteStatement(it->second, this);
    sqlite3_stmt* stmt = nullptr;
    if (checked(sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr)) != SQLITE_OK ||
        !stmt) {
        sqlite3_finalize(stmt);
        return SqliteStatement();
    }
    statements_.emplace(sql, stmt);
    return SqliteStatement(stmt, this);
}

bool SqliteDatabase::exec(const char* sql)
{
    return db_ && checked(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr)) == SQLITE_OK;
}

std::optional<qint64> SqliteDatabase::queryInteger(const char* sql)
{
    if (!db_)
        return std::nullopt;
    sqlite3_stmt* stmt = nullptr;
    if (checked(sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr)) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return std::nullopt;
    }
    std::optional<qint64> result;
    if (checked(sqlite3_step(stmt)) == SQLITE_ROW)
        result = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return result;
}

QString SqliteDatabase::errorMessage() const
{
    return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("database is not open");
}

int SqliteDatabase::errorCode() const
{
    return db_ ? sqlite3_extended_errcode(db_) : SQLITE_MISUSE;
}

void SqliteDatabase::setCorruptionObserver(std::function<void(const QString&)> observer)
{
    corruptionObserver_ = std::move(observer);
}

int SqliteDatabase::checked(int rc)
{
    const int primary = rc & 0xff;
    if ((primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) && !corruptionSeen_) {
        corruptionSeen_ = true;
        if (corruptionObserver_)
            corruptionObserver_(errorMessage());
    }
    return rc;
}

int SqliteDatabase::changes() const
{
    return db_ ? sqlite3_changes(db_) : 0;
}

qint64 SqliteDatabase::lastInsertRowId() const
{
    return db_ ? sqlite3_last_insert_rowid(db_) : 0;
}

bool SqliteDatabase::inTransaction() const
{
    return db_ && !sqlite3_get_autocommit(db_);
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db)
{
    nested_ = db_.inTransaction();
    active_ = db_.exec(nested_ ? "SAVEPOINT nested" : "BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction()
{
    if (!active_)
        return;
    if (nested_)
        db_.exec("ROLLBACK TO nested; RELEASE nested");
    else
        db_.exec("ROLLBACK");
}

bool SqliteTransaction::commit()
{
    if (!active_)
        return false;
    if (!db_.exec(nested_ ? "RELEASE nested" : "COMMIT"))
        return false; // the destructor rolls back
    active_ = false;
    return true;
}
