#include "SqliteDatabase.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace {
const char* resultCodeName(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return "SQLITE_FULL";
    case SQLITE_IOERR:
        return "SQLITE_IOERR";
    case SQLITE_CORRUPT:
        return "SQLITE_CORRUPT";
    case SQLITE_NOTADB:
        return "SQLITE_NOTADB";
    case SQLITE_BUSY:
        return "SQLITE_BUSY";
    case SQLITE_LOCKED:
        return "SQLITE_LOCKED";
    case SQLITE_READONLY:
        return "SQLITE_READONLY";
    case SQLITE_CANTOPEN:
        return "SQLITE_CANTOPEN";
    case SQLITE_PERM:
        return "SQLITE_PERM";
    case SQLITE_CONSTRAINT:
        return "SQLITE_CONSTRAINT";
    case SQLITE_NOMEM:
        return "SQLITE_NOMEM";
    default:
        return nullptr;
    }
}
} // namespace

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

QString SqliteDatabase::libraryVersion()
{
    return QString::fromLatin1(sqlite3_libversion());
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
    failureCode_ = 0;
    failureErrno_ = 0;
    failureMessage_.clear();
}

void SqliteDatabase::swap(SqliteDatabase& other) noexcept
{
    std::swap(db_, other.db_);
    statements_.swap(other.statements_);
    std::swap(corruptionSeen_, other.corruptionSeen_);
    std::swap(failureCode_, other.failureCode_);
    std::swap(failureErrno_, other.failureErrno_);
    std::swap(failureMessage_, other.failureMessage_);
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
    if (!db_)
        return QStringLiteral("database is not open");
    if (failureCode_ == 0)
        return QString::fromUtf8(sqlite3_errmsg(db_));
    QString message = failureMessage_;
    const char* name = resultCodeName(failureCode_);
    QString details = name ? QString::fromLatin1(name) : QStringLiteral("code %1").arg(failureCode_);
    if (failureErrno_ != 0)
        details += QStringLiteral("; ") + QString::fromLocal8Bit(std::strerror(failureErrno_));
    return message + QStringLiteral(" (") + details + QLatin1Char(')');
}

int SqliteDatabase::errorCode() const
{
    if (!db_)
        return SQLITE_MISUSE;
    return failureCode_ != 0 ? failureCode_ : sqlite3_extended_errcode(db_);
}

bool SqliteDatabase::failedForLackOfSpace() const
{
    return (failureCode_ & 0xff) == SQLITE_FULL ||
           ((failureCode_ & 0xff) == SQLITE_IOERR && (failureErrno_ == ENOSPC || failureErrno_ == EDQUOT));
}

void SqliteDatabase::setCorruptionObserver(std::function<void(const QString&)> observer)
{
    corruptionObserver_ = std::move(observer);
}

int SqliteDatabase::checked(int rc)
{
    const int primary = rc & 0xff;
    if (db_ && primary != SQLITE_OK && primary != SQLITE_ROW && primary != SQLITE_DONE) {
        failureCode_ = sqlite3_extended_errcode(db_);
        if (failureCode_ == SQLITE_OK)
            failureCode_ = rc;
        failureErrno_ = (primary == SQLITE_FULL || primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN)
                            ? sqlite3_system_errno(db_)
                            : 0;
        failureMessage_ = QString::fromUtf8(sqlite3_errmsg(db_));
    }
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
    if (active_)
        db_.rollbackQuietly(nested_);
}

void SqliteDatabase::rollbackQuietly(bool nested)
{
    // A full disk, an I/O error or a lock lets SQLite end the transaction itself; there is then
    // nothing left to undo, and trying would only put "no transaction is active" in place of
    // the cause.
    if (!inTransaction())
        return;
    sqlite3_exec(db_, nested ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK", nullptr, nullptr, nullptr);
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
