#include "CoreDataManagerPrivate.h"

#include <sqlite3.h>

#include <algorithm>

CoreDataManager::CoreDataManager() : d(std::make_unique<Impl>())
{
    d->owner = this;
}

CoreDataManager::Impl::Impl()
{
    db.setCorruptionObserver([this](const QString& reason) { onCorruption(reason); });
}

CoreDataManager::~CoreDataManager()
{
    // What is still queued runs while the connections it uses are there: the store queue's
    // connection is declared after the queue, and so would go first.
    d->readerQueue.drain();
    d->queue.drain();
}

bool CoreDataManager::Impl::ready()
{
    if (db.isOpen())
        return true;
    Log::error(kTag, QStringLiteral("the history store is not open"));
    return false;
}

bool CoreDataManager::Impl::writable()
{
    if (!ready())
        return false;
    if (readOnly) {
        Log::error(kTag, QStringLiteral("not written: the history is open for reading only"));
        return false;
    }
    if (damaged) {
        Log::error(kTag, QStringLiteral("not written: the history file is damaged"));
        return false;
    }
    return true;
}

void CoreDataManager::Impl::logFailure(const QString& what)
{
    Log::error(kTag, what + db.errorMessage());
    if (db.inTransaction())
        batchFailed = true;
}

void CoreDataManager::perform(std::function<void()> block)
{
    d->queue.async(std::move(block));
}

void CoreDataManager::waitForQueued()
{
    d->queue.drain();
}

bool CoreDataManager::performBatch(const std::function<void()>& block)
{
    return d->queue.sync([&] {
        return d->inTransaction([&] {
            block();
            return true;
        }, false);
    });
}

bool CoreDataManager::performAtomically(const std::function<bool()>& block)
{
    return d->queue.sync([&] { return d->inTransaction(block, true); });
}

bool CoreDataManager::Impl::inTransaction(const std::function<bool()>& block, bool allOrNothing)
{
    if (!writable())
        return false;
    SqliteTransaction transaction(db);
    if (!transaction.isActive()) {
        logFailure(QStringLiteral("batch fail, "));
        return false;
    }
    batchFailed = false;
    const bool done = block();
    QList<HistoryChange> changes;
    changes.swap(changesInBatch);
    if (allOrNothing && (!done || batchFailed)) {
        // Rolled back as the transaction goes: no observer heard of what it wrote.
        Log::info(kTag, QStringLiteral("batch rolled back"));
        return false;
    }
    if (!transaction.commit()) {
        logFailure(QStringLiteral("batch fail, "));
        // What the block did is gone again: whoever applied nothing yet reads afresh.
        deliver({HistoryChange{HistoryChange::Kind::Reset, {}, {}}});
        return false;
    }
    deliver(changes);
    return true;
}

bool CoreDataManager::isDamaged() const
{
    return d->damaged;
}

QString CoreDataManager::damageMessage() const
{
    std::lock_guard lock(d->handlersMutex);
    return d->damageMessage;
}

void CoreDataManager::Impl::tellDamage(const QString& message)
{
    {
        std::lock_guard lock(handlersMutex);
        if (damageTold)
            return;
        damageTold = true;
    }
    Q_EMIT owner->damageFound(message);
}

void CoreDataManager::Impl::onCorruption(const QString& reason)
{
    if (damaged.exchange(true))
        return;
    // Closing would move the journal into the file; the damaged file stays as it was found.
    sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    QString file;
    {
        std::lock_guard lock(pathMutex);
        file = path;
    }
    const QString message =
        QStringLiteral("The history file %1 is damaged (%2). Brimble has stopped writing to "
                       "it; quit Brimble and run \"brimble salvage\" to copy what can still be read "
                       "into a new one.")
            .arg(file, reason);
    Log::error(kTag, message);
    {
        std::lock_guard lock(handlersMutex);
        damageMessage = message;
    }
    // Told as a step of its own, after the operation that met the damage has ended.
    queue.async([this, message] { tellDamage(message); });
}

int CoreDataManager::addChangeObserver(ChangeObserver observer)
{
    std::lock_guard lock(d->handlersMutex);
    const int key = ++d->nextObserverKey;
    d->changeObservers.insert(key, std::move(observer));
    return key;
}

void CoreDataManager::removeChangeObserver(int key)
{
    std::lock_guard lock(d->handlersMutex);
    d->changeObservers.remove(key);
}

void CoreDataManager::Impl::notify(const HistoryChange& change)
{
    if (!db.inTransaction()) {
        deliver({change});
        return;
    }
    // A bulk import is told as a reset of everything rather than as a change per item.
    constexpr qsizetype kMostChangesInBatch = 1000;
    if (changesInBatch.size() < kMostChangesInBatch)
        changesInBatch.append(change);
    else
        changesInBatch = {HistoryChange{HistoryChange::Kind::Reset, {}, {}}};
}

void CoreDataManager::Impl::deliver(const QList<HistoryChange>& changes)
{
    if (changes.isEmpty())
        return;
    // Row ids are reused after the newest row is deleted: content cached under an id that
    // changed goes, and so does everything after a change that names no ids.
    readerQueue.async([this, changes] {
        for (const HistoryChange& change : changes) {
            if (change.kind == HistoryChange::Kind::Reset && change.ids.isEmpty())
                contentCache.clear();
            for (qint64 id : change.ids)
                contentCache.remove(id);
        }
    });
    if (std::any_of(changes.begin(), changes.end(),
                    [](const HistoryChange& change) { return change.kind == HistoryChange::Kind::Removed; }))
        queueErase();
    QList<ChangeObserver> observers;
    {
        std::lock_guard lock(handlersMutex);
        observers = changeObservers.values();
    }
    for (const HistoryChange& change : changes)
        for (const ChangeObserver& observer : observers)
            observer(change);
}

void CoreDataManager::setClock(Clock clock)
{
    std::lock_guard lock(d->clockMutex);
    d->clock = std::move(clock);
}

QDateTime CoreDataManager::now() const
{
    const Clock clock = d->copyUnderClockLock(d->clock);
    return clock ? clock() : QDateTime::currentDateTimeUtc();
}
