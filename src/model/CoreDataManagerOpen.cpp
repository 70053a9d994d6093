#include "CoreDataManagerPrivate.h"

#include "model/StoreFileAccess.h"
#include "model/StoreSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

// SQLite would move the journal into the file inside the commit that fills it, making that commit
// (and whoever waits for it: a capture, a move of a thousand items) pay for writing out the file.
// The store does it as a step of its own, right after.
constexpr int kCheckpointFrames = 1000;

void chmodIfPresent(const QString& path, mode_t mode)
{
    if (QFileInfo::exists(path))
        ::chmod(QFile::encodeName(path).constData(), mode);
}

} // namespace

bool CoreDataManager::Impl::openOnQueue(const QString& filePath, bool asReadOnly, QString* error)
{
    // The new file is checked on a connection of its own: a file that is refused leaves the
    // store as it was.
    SqliteDatabase candidate;
    auto fail = [&](const QString& reason) {
        candidate.close();
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(filePath, reason);
        Log::error(kTag, QStringLiteral("cannot open %1: %2").arg(filePath, reason));
        return false;
    };

    const QFileInfo info(filePath);
    const bool exists = info.exists();
    if (asReadOnly && !exists)
        return fail(QStringLiteral("no such file"));
    if (exists && !info.isFile())
        return fail(QStringLiteral("not a regular file"));

    // Everything the store creates (folder, database, -wal, -shm) is the user's alone. SQLite
    // gives -wal and -shm the database's own mode, so the chmod below also covers them later.
    const mode_t oldMask = ::umask(077);
    int flags = SQLITE_OPEN_NOMUTEX;
    if (asReadOnly)
        flags |= SQLITE_OPEN_READONLY;
    else if (exists)
        flags |= SQLITE_OPEN_READWRITE;
    else
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    QString reason;
    bool opened = true;
    if (!exists && !QDir().mkpath(info.absolutePath())) {
        reason = QStringLiteral("cannot create the folder");
        opened = false;
    }
    // A store that cannot be written would drop every copy without a word: refused at start.
    if (opened && !asReadOnly) {
        if (const auto why = StoreFileAccess::whyNotWritable(filePath)) {
            reason = *why;
            opened = false;
        }
    }
    opened = opened && candidate.open(filePath, flags, &reason);
    ::umask(oldMask);
    if (!opened)
        return fail(reason);
    if (!asReadOnly && sqlite3_db_readonly(candidate.handle(), "main") == 1)
        return fail(QStringLiteral("the file cannot be written"));
    sqlite3_busy_timeout(candidate.handle(), 2000);

    // Nothing is written before the file has shown it is ours: a foreign or damaged file is
    // left exactly as it was.
    StoreSchema::Inspection inspection;
    if (!StoreSchema::inspect(candidate, &inspection, &reason) || !StoreSchema::isUsable(inspection, &reason))
        return fail(reason);

    if (asReadOnly) {
        if (inspection.version != StoreSchema::currentVersion())
            return fail(QStringLiteral("its schema (version %1) needs Brimble to upgrade it first")
                            .arg(inspection.version));
        candidate.exec("PRAGMA query_only = 1");
    } else {
        candidate.exec("PRAGMA journal_mode = WAL");
        // In WAL mode NORMAL loses at most the last commits on power loss, never consistency.
        // What the user deletes (a password copied by mistake) is overwritten in the file, not
        // only unlinked.
        if (!candidate.exec(
                "PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON; PRAGMA secure_delete = ON"))
            return fail(candidate.errorMessage());
        if (!StoreSchema::migrate(candidate, inspection.version, &reason))
            return fail(reason);
        // Searches do without the derived parts (more slowly), so their loss never stops the store.
        if (!StoreSchema::restoreDerived(candidate, &reason))
            Log::warning(kTag, reason);
        // A folder the store made is already 0700 (umask above); one that was there is the
        // user's, and a database put into /tmp must not close /tmp to everyone else.
        for (const char* suffix : {"", "-wal", "-shm"})
            chmodIfPresent(filePath + QLatin1String(suffix), 0600);
    }

    closeOnQueue();
    db.swap(candidate);
    readOnly = asReadOnly;
    if (!asReadOnly)
        sqlite3_wal_hook(db.handle(), &Impl::walCommitted, this);
    {
        std::lock_guard lock(pathMutex);
        path = filePath;
    }
    openReadOnly = asReadOnly;
    open = true;
    Log::info(
        kTag,
        QStringLiteral("opened %1%2").arg(filePath, asReadOnly ? QStringLiteral(" (read only)") : QString()));
    return true;
}

int CoreDataManager::Impl::walCommitted(void* context, sqlite3*, const char*, int frames)
{
    auto* self = static_cast<Impl*>(context);
    if (frames < kCheckpointFrames || self->checkpointQueued)
        return SQLITE_OK;
    self->checkpointQueued = true;
    self->queue.async([self] {
        self->checkpointQueued = false;
        if (!self->db.isOpen() || self->damaged)
            return;
        const int rc = sqlite3_wal_checkpoint_v2(self->db.handle(), nullptr, SQLITE_CHECKPOINT_PASSIVE,
                                                 nullptr, nullptr);
        if (rc != SQLITE_OK && rc != SQLITE_BUSY)
            self->logFailure(QStringLiteral("checkpoint fail, "));
    });
    return SQLITE_OK;
}

bool CoreDataManager::Impl::checkpointAndTruncate()
{
    if (!db.isOpen() || readOnly || damaged)
        return true;
    // Truncating waits for readers to leave the journal; a reader that stays is not waited for
    // long, and the next pass (after the next delete, or at quit) tries again.
    sqlite3_busy_timeout(db.handle(), 250);
    const int rc = db.checked(
        sqlite3_wal_checkpoint_v2(db.handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr));
    sqlite3_busy_timeout(db.handle(), 2000);
    if (rc == SQLITE_BUSY) {
        // Nothing is lost: everything is committed, only still in the journal.
        Log::info(kTag, QStringLiteral("journal not emptied: a reader is using it"));
        return true;
    }
    if (rc != SQLITE_OK) {
        logFailure(QStringLiteral("checkpoint fail, "));
        return false;
    }
    return true;
}

void CoreDataManager::Impl::queueErase()
{
    if (eraseQueued)
        return;
    eraseQueued = true;
    queue.async([this] {
        eraseQueued = false;
        checkpointAndTruncate();
    });
}

void CoreDataManager::Impl::closeOnQueue()
{
    if (!waitingCopies.empty())
        Log::error(kTag, QStringLiteral("%1 copies that waited for room are lost").arg(waitingCopies.size()));
    waitingCopies.clear();
    waitingBytes = 0;
    waitingCount = 0;
    writtenSinceFull = 0;
    lostSinceFull = 0;
    outOfSpace = false;
    {
        std::lock_guard lock(handlersMutex);
        damageMessage.clear();
        damageTold = false;
    }
    db.close();
    damaged = false;
    readOnly = false;
    open = false;
    openReadOnly = false;
    std::lock_guard lock(pathMutex);
    path.clear();
}

bool CoreDataManager::open(const QString& path, QString* error)
{
    return d->queue.sync([&] { return d->openOnQueue(path, false, error); });
}

bool CoreDataManager::openReadOnly(const QString& path, QString* error)
{
    return d->queue.sync([&] { return d->openOnQueue(path, true, error); });
}

void CoreDataManager::close()
{
    // The reader connections go first: closing the last connection is what moves the journal into
    // the file and removes it with its index, and only the writer may do that.
    d->readerQueue.sync([&] {
        d->contentDb.close();
        d->contentCache.clear();
        d->historyReader.reset();
        d->readerPath.clear();
    });
    d->queue.sync([&] { d->closeOnQueue(); });
}

bool CoreDataManager::isOpen() const
{
    return d->open;
}

bool CoreDataManager::isReadOnly() const
{
    return d->openReadOnly;
}

QString CoreDataManager::path() const
{
    std::lock_guard lock(d->pathMutex);
    return d->path;
}

QString CoreDataManager::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/brimble/Brimble.sqlite");
}

bool CoreDataManager::save()
{
    return d->queue.sync([&] {
        if (!d->db.isOpen() || d->readOnly || d->damaged)
            return true;
        // Every operation commits on its own; what is left is the copies that waited for room,
        // and moving the journal into the file.
        if (!d->writeWaitingCopies()) {
            Log::error(
                kTag,
                QStringLiteral("save error, %1 copies still find no room: ").arg(d->waitingCopies.size()) +
                    d->db.errorMessage());
            return false;
        }
        if (d->outOfSpace)
            d->roomIsBack();
        if (!d->checkpointAndTruncate()) {
            Log::error(kTag, QStringLiteral("save error, the journal could not be moved into the file"));
            return false;
        }
        return true;
    });
}
