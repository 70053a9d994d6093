#include "CoreDataManagerPrivate.h"

bool CoreDataManager::isExpired(const PasteInfModel& model) const
{
    return retentionRule().isExpired(model.categoryUUID, model.date);
}

void CoreDataManager::setRetentionLevelProvider(RetentionLevelProvider provider)
{
    std::lock_guard lock(d->clockMutex);
    d->retentionLevel = std::move(provider);
}

RetentionRule CoreDataManager::retentionRule() const
{
    RetentionLevelProvider level;
    {
        std::lock_guard lock(d->clockMutex);
        level = d->retentionLevel;
    }
    return level ? RetentionRule(level(), now()) : RetentionRule();
}
