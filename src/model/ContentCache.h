#pragma once

#include "platform/PasteboardItem.h"

#include <QHash>

#include <list>
#include <optional>

// The content of recently shown items, by row id, within a byte budget: the least recently used
// go first when an insert would pass it. An item larger than the whole budget is not kept.
// Not thread-safe: the store uses it on its reader queue only.
class ContentCache
{
public:
    static constexpr qint64 kDefaultBudget = qint64(64) << 20;

    explicit ContentCache(qint64 budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

    // The content, marked as just used; absent when it is not held. Copies share their bytes.
    std::optional<PasteboardItems> find(qint64 id);
    void insert(qint64 id, const PasteboardItems& items);
    void remove(qint64 id);
    void clear();

    void setBudget(qint64 bytes);
    qint64 budget() const { return budget_; }
    qint64 usedBytes() const { return used_; }
    qsizetype count() const { return entries_.size(); }

    // What an item's content takes: the bytes of its representations.
    static qint64 sizeOf(const PasteboardItems& items);

private:
    struct Entry
    {
        qint64 id;
        qint64 bytes;
        PasteboardItems items;
    };
    void evictTo(qint64 bytes);

    qint64 budget_;
    qint64 used_ = 0;
    // Most recently used first.
    std::list<Entry> order_;
    QHash<qint64, std::list<Entry>::iterator> entries_;
};
