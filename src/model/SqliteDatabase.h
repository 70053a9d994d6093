#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;
class SqliteDatabase;

// A statement taken from SqliteDatabase's cache. Binds and reads by position; resets itself
// (and clears its bindings) when it goes out of scope so the cache can hand it out again.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3_stmt* stmt, SqliteDatabase* db) : stmt_(stmt), db_(db) {}
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept : stmt_(other.stmt_), db_(other.db_)
    {
        other.stmt_ = nullptr;
    }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement& operator=(SqliteStatement&&) = delete;

    bool isValid() const { return stmt_ != nullptr; }

    // Parameters are 1-based, as in SQLite. An absent value binds NULL.
    void bind(int index, const std::optional<QString>& text);
    void bind(int index, qint64 value);
    void bind(int index, const std::optional<qint64>& value);
    void bindBlob(int index, const QByteArray& blob);
    void bindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Ready to run again with new bindings.
    void reset();

    // Columns are 0-based. NULL reads as absent.
    bool isNull(int column) const;
    std::optional<QString> text(int column) const;
    std::optional<qint64> integer(int column) const;
    qint64 int64(int column) const;
    // A copy of the column's bytes (empty for NULL).
    QByteArray blob(int column) const;
    // The column's bytes without copying; valid until the next step or reset.
    QByteArray blobView(int column) const;
    QByteArray textView(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    SqliteDatabase* db_ = nullptr;
};

// One SQLite connection with a cache of prepared statements. Used from one thread at a time
// (the store queue); it does no locking of its own.
class SqliteDatabase
{
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // The version of the SQLite library in use ("3.40.1"), which may be newer than the headers
    // Brimble was built with.
    static QString libraryVersion();

    // flags are sqlite3_open_v2's. False with the reason in `error`.
    bool open(const QString& path, int flags, QString* error);
    void close();
    void swap(SqliteDatabase& other) noexcept;
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }

    // A cached statement for `sql` (prepared on first use); invalid on a prepare error, which
    // is then in errorMessage().
    SqliteStatement prepare(const char* sql);
    // Runs one or more statements that return no rows.
    bool exec(const char* sql);
    // The first column of the first row of a query returning one integer.
    std::optional<qint64> queryInteger(const char* sql);

    // The last failure a statement of this connection met: SQLite's message with its result
    // code's name and, for a failed read or write of the file, the system's reason ("database or
    // disk is full (SQLITE_FULL; No space left on device)"). A rollback that follows cannot hide
    // it. SQLite's current message when nothing has failed yet.
    QString errorMessage() const;
    // The extended result code of that failure.
    int errorCode() const;
    // Whether that failure means the disk (or the user's quota) has no room left.
    bool failedForLackOfSpace() const;

    // Called with SQLite's message the first time any statement of this connection finds the
    // file damaged (SQLITE_CORRUPT or SQLITE_NOTADB).
    void setCorruptionObserver(std::function<void(const QString&)> observer);
    // Every result code a statement returns passes here.
    int checked(int rc);
    int changes() const;
    qint64 lastInsertRowId() const;
    bool inTransaction() const;

private:
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
    std::function<void(const QString&)> corruptionObserver_;
    bool corruptionSeen_ = false;
    int failureCode_ = 0;
    int failureErrno_ = 0;
    QString failureMessage_;

    friend class SqliteTransaction;
    // Undoes the open transaction (or the savepoint) without taking its failure for the cause.
    void rollbackQuietly(bool nested);
};

// A transaction that rolls back unless committed. Inside another transaction it becomes a
// savepoint, so an operation may run on its own or as part of a batch.
class SqliteTransaction
{
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    bool isActive() const { return active_; }
    bool commit();

private:
    SqliteDatabase& db_;
    bool nested_ = false;
    bool active_ = false;
};
