#include "RetentionRule.h"

#include "model/PasteCategoryInfModel.h"

#include <limits>

RetentionRule::RetentionRule(qint64 level, const QDateTime& now) : nowMs_(now.toMSecsSinceEpoch())
{
    if (const auto seconds = maxAgeSeconds(level))
        maxAgeMs_ = *seconds * 1000;
}

std::optional<qint64> RetentionRule::maxAgeSeconds(qint64 level)
{
    switch (level) {
    case 0:
        return 86400;
    case 33:
        return 604800;
    case 66:
        return 2592000;
    default:
        return std::nullopt;
    }
}

bool RetentionRule::isExpired(const std::optional<QString>& categoryUuid,
                              const std::optional<QDateTime>& date) const
{
    if (!date || !date->isValid())
        return false;
    return isExpired(categoryUuid, std::optional<qint64>(date->toMSecsSinceEpoch()));
}

bool RetentionRule::isExpired(const std::optional<QString>& categoryUuid,
                              const std::optional<qint64>& dateMs) const
{
    if (!maxAgeMs_ || !dateMs || !categoryUuid || *categoryUuid != kDefaultCategoryUUID)
        return false;
    return *dateMs < oldestKeptMs() || *dateMs > newestKeptMs();
}

qint64 RetentionRule::oldestKeptMs() const
{
    // Whole seconds of age count: an item a day and 999 ms old is a day old.
    return maxAgeMs_ ? nowMs_ - *maxAgeMs_ - 999 : std::numeric_limits<qint64>::min();
}

qint64 RetentionRule::newestKeptMs() const
{
    // A future-dated item counts by its distance as well.
    return maxAgeMs_ ? nowMs_ + *maxAgeMs_ + 999 : std::numeric_limits<qint64>::max();
}
