#include "CoreDataManagerPrivate.h"

CoreDataManager& CoreDataManager::shared()
{
    // Never destroyed: a store queue still running during static destruction would outlive
    // the logger it writes to. Quit saves explicitly.
    static CoreDataManager* instance = new CoreDataManager;
    return *instance;
}

CoreDataManager::CoreDataManager() : d(std::make_unique<Impl>()) {}

CoreDataManager::~CoreDataManager() = default;

bool CoreDataManager::Impl::ready()
{
    if (db.isOpen())
        return true;
    Log::error(kTag, QStringLiteral("the history store is not open"));
    return false;
}

void CoreDataManager::Impl::logFailure(const QString& what)
{
    Log::error(kTag, what + db.errorMessage());
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
        if (!d->ready())
            return false;
        SqliteTransaction transaction(d->db);
        if (!transaction.isActive()) {
            d->logFailure(QStringLiteral("batch fail, "));
            return false;
        }
        block();
        if (!transaction.commit()) {
            d->logFailure(QStringLiteral("batch fail, "));
            return false;
        }
        return true;
    });
}

void CoreDataManager::setClock(Clock clock)
{
    std::lock_guard lock(d->clockMutex);
    d->clock = std::move(clock);
}

QDateTime CoreDataManager::now() const
{
    Clock clock;
    {
        std::lock_guard lock(d->clockMutex);
        clock = d->clock;
    }
    return clock ? clock() : QDateTime::currentDateTimeUtc();
}
