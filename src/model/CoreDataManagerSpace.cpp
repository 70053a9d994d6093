// The store when the disk is full: copies wait in memory for room, and the user hears of it once
// when it starts and once when it ends.
#include "CoreDataManagerPrivate.h"

namespace {
// What waiting copies may hold in memory; a copy that would pass it is dropped (and counted).
constexpr qint64 kWaitingCopiesBudget = qint64(64) << 20;

qint64 sizeOf(const EncodedPasteInf& e)
{
    return e.itemData.size() + (e.plainText ? e.plainText->size() * 2 : 0) + 512;
}
} // namespace

bool CoreDataManager::isOutOfSpace() const
{
    return d->outOfSpace;
}

int CoreDataManager::waitingCopies() const
{
    return d->waitingCount;
}

void CoreDataManager::retryWaitingCopies()
{
    d->queue.async([this] {
        if (d->waitingCopies.empty() || !d->writable())
            return;
        if (d->writeWaitingCopies())
            d->roomIsBack();
    });
}

bool CoreDataManager::Impl::writeWaitingCopies()
{
    while (!waitingCopies.empty()) {
        const EncodedPasteInf& next = waitingCopies.front();
        if (!insertCopy(next)) {
            if (db.failedForLackOfSpace())
                return false;
            // Not a question of room: this copy will not go in, and must not hold up the rest.
            logFailure(QStringLiteral("insert paste inf fail, "));
            ++lostSinceFull;
        } else {
            ++writtenSinceFull;
        }
        waitingBytes -= sizeOf(next);
        waitingCopies.pop_front();
        --waitingCount;
    }
    return true;
}

void CoreDataManager::Impl::keepWaiting(const EncodedPasteInf& e)
{
    if (!outOfSpace.exchange(true)) {
        const QString reason = db.errorMessage();
        QString file;
        {
            std::lock_guard lock(pathMutex);
            file = path;
        }
        Log::error(kTag, QStringLiteral("no room left for the history in %1, copies wait in memory until "
                                        "there is: %2")
                             .arg(file, reason));
        tellSpace({true, reason, 0, 0});
    }
    const qint64 size = sizeOf(e);
    if (waitingBytes + size > kWaitingCopiesBudget) {
        ++lostSinceFull;
        Log::error(kTag, QStringLiteral("copy dropped: the copies waiting for room hold %1 MB already")
                             .arg(waitingBytes >> 20));
        return;
    }
    waitingCopies.push_back(e);
    waitingBytes += size;
    ++waitingCount;
    Log::info(kTag, QStringLiteral("copy kept in memory until there is room (%1 waiting)").arg(waitingCount));
}

void CoreDataManager::Impl::roomIsBack()
{
    if (!outOfSpace.exchange(false))
        return;
    const SpaceReport report{false, QString(), writtenSinceFull, lostSinceFull};
    writtenSinceFull = 0;
    lostSinceFull = 0;
    Log::info(kTag, QStringLiteral("room again: copies are recorded; %1 waiting copies written, %2 lost")
                        .arg(report.written)
                        .arg(report.lost));
    tellSpace(report);
}

void CoreDataManager::Impl::tellSpace(const SpaceReport& report)
{
    Q_EMIT owner->spaceChanged(report);
}
