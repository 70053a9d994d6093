#include "HistoryIndex.h"

#include "model/HistoryReader.h"

#include <QSet>

#include <algorithm>

bool HistoryIndex::load(HistoryReader& reader)
{
    std::optional<QList<qint64>> ids = reader.historyIds(categoryUuid_);
    if (!ids)
        return false;
    // A list grown by appending keeps up to twice its size; a million ids are worth trimming.
    ids->squeeze();
    ids_ = std::move(*ids);
    current_ = true;
    return true;
}

void HistoryIndex::apply(const HistoryChange& change)
{
    switch (change.kind) {
    case HistoryChange::Kind::AddedToTop:
        removeIds(change.ids);
        if (change.categoryUuid == categoryUuid_)
            ids_ = change.ids + ids_;
        break;
    case HistoryChange::Kind::Removed:
        removeIds(change.ids);
        break;
    case HistoryChange::Kind::Reset:
        if (change.categoryUuid.isEmpty() || change.categoryUuid == categoryUuid_)
            current_ = false;
        break;
    }
}

void HistoryIndex::removeIds(const QList<qint64>& ids)
{
    if (ids.isEmpty() || ids_.isEmpty())
        return;
    // One pass over the index whatever the number of ids; a lone id needs no set.
    if (ids.size() == 1) {
        ids_.removeAll(ids.first());
        return;
    }
    const QSet<qint64> gone(ids.cbegin(), ids.cend());
    ids_.removeIf([&](qint64 id) { return gone.contains(id); });
}
