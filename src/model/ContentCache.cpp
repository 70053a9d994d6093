#include "ContentCache.h"

std::optional<PasteboardItems> ContentCache::find(qint64 id)
{
    const auto it = entries_.constFind(id);
    if (it == entries_.constEnd())
        return std::nullopt;
    order_.splice(order_.begin(), order_, *it);
    return (*it)->items;
}

void ContentCache::insert(qint64 id, const PasteboardItems& items)
{
    remove(id);
    const qint64 bytes = sizeOf(items);
    if (bytes > budget_)
        return;
    evictTo(budget_ - bytes);
    order_.push_front({id, bytes, items});
    entries_.insert(id, order_.begin());
    used_ += bytes;
}

void ContentCache::remove(qint64 id)
{
    const auto it = entries_.constFind(id);
    if (it == entries_.constEnd())
        return;
    used_ -= (*it)->bytes;
    order_.erase(*it);
    entries_.erase(it);
}

void ContentCache::clear()
{
    order_.clear();
    entries_.clear();
    used_ = 0;
}

void ContentCache::setBudget(qint64 bytes)
{
    budget_ = std::max<qint64>(bytes, 0);
    evictTo(budget_);
}

qint64 ContentCache::sizeOf(const PasteboardItems& items)
{
    qint64 bytes = 0;
    for (const PasteboardItem& item : items)
        bytes += item.byteSize();
    return bytes;
}

void ContentCache::evictTo(qint64 bytes)
{
    while (used_ > bytes && !order_.empty()) {
        used_ -= order_.back().bytes;
        entries_.remove(order_.back().id);
        order_.pop_back();
    }
}
