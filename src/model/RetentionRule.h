#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// How long the default clipboard keeps an item: a retention level (the preference's value: 0 a
// day, 33 a week, 66 a month, anything else for ever) applied at one moment. An item is expired
// when its distance from that moment, in whole seconds, exceeds the level's age; items of other
// clipboards, and items without a date or a clipboard, never expire.
//
// Every reader of the history (the store's loads, the history reader, the search, the command
// line) filters by this rule, and the store's expiry sweep deletes what it marks, so all of them
// see the same history between two sweeps.
class RetentionRule
{
public:
    // The rule that keeps everything.
    RetentionRule() = default;
    RetentionRule(qint64 level, const QDateTime& now);

    static std::optional<qint64> maxAgeSeconds(qint64 level);

    bool keepsEverything() const { return !maxAgeMs_; }
    bool isExpired(const std::optional<QString>& categoryUuid, const std::optional<QDateTime>& date) const;
    bool isExpired(const std::optional<QString>& categoryUuid, const std::optional<qint64>& dateMs) const;

    // The dates (ms since the epoch, inclusive) a default-clipboard item must lie between to be
    // kept; the whole range of dates when the rule keeps everything. For SQL:
    //   category_uuid IS NOT <default> OR date IS NULL OR date BETWEEN oldestKeptMs AND newestKeptMs
    qint64 oldestKeptMs() const;
    qint64 newestKeptMs() const;

private:
    std::optional<qint64> maxAgeMs_;
    qint64 nowMs_ = 0;
};
