#include "QuickSearchPasteInfListModel.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/CoreDataManager.h"
#include "model/HistoryIndex.h"
#include "model/SearchEngine.h"

#include <algorithm>
#include <utility>

namespace {

const QString kTag = QStringLiteral("QuickSearchPasteInfListModel");

// More separate runs than this in one removal reset the list instead: each run moves the tail of
// up to a million ids, and a view handles one reset faster than hundreds of removals.
constexpr qsizetype kMaxRemovalRuns = 32;

} // namespace

// What lives on the reader thread: the connection, and the shown clipboard's history index kept
// current by the store's changes, so the GUI list and the changes it receives never disagree
// about what a load saw.
struct QuickSearchPasteInfListModel::Reader
{
    Reader(const CoreDataManager& store, const QString& path) : reader(store, path) {}

    bool ready()
    {
        if (!opened)
            opened = reader.open();
        return opened;
    }

    HistoryReader reader;
    bool opened = false;
    HistoryIndex index;
    // Last, so that it runs what is still queued while the rest is there.
    SerialQueue queue{QStringLiteral("quick_search_list")};
};

QuickSearchPasteInfListModel::QuickSearchPasteInfListModel(CoreDataManager& store,
                                                           const QString& databasePath, QObject* parent)
    : QAbstractListModel(parent), store_(store), cache_(kDefaultCachedRows), alive_(std::make_shared<int>(0)),
      reader_(std::make_shared<Reader>(store, databasePath))
{
    // A change reaches the GUI by way of the reader queue: after any load that was queued before
    // it was committed, so a load never hides a copy made while it read.
    const std::weak_ptr<Reader> weakReader = reader_;
    const auto post = guiPoster();
    observerKey_ =
        store_.addChangeObserver([weakReader, post, this](const HistoryChange& change) {
            const std::shared_ptr<Reader> reader = weakReader.lock();
            if (!reader)
                return;
            Reader* r = reader.get();
            r->queue.async([r, post, change, this] {
                if (!r->index.categoryUuid().isEmpty())
                    r->index.apply(change);
                post([this, change] { applyChange(change); });
            });
        });
}

QuickSearchPasteInfListModel::~QuickSearchPasteInfListModel()
{
    store_.removeChangeObserver(observerKey_);
    // Blocks still queued post to the GUI thread, where they find the model gone.
    alive_.reset();
}

std::function<void(std::function<void()>)> QuickSearchPasteInfListModel::guiPoster() const
{
    const std::weak_ptr<int> alive = alive_;
    return [alive](std::function<void()> block) {
        Dispatch::main([alive, block = std::move(block)] {
            // Checked on the GUI thread, where the model is destroyed: no race.
            if (!alive.expired())
                block();
        });
    };
}

quint64 QuickSearchPasteInfListModel::loadHistory(const QString& categoryUuid)
{
    const quint64 generation = ++generation_;
    Reader* r = reader_.get();
    const auto post = guiPoster();
    r->queue.async([r, post, generation, categoryUuid, this] {
        if (!r->ready()) {
            post([this, generation] { Q_EMIT loadFailed(generation); });
            return;
        }
        if (r->index.categoryUuid() != categoryUuid)
            r->index = HistoryIndex(categoryUuid);
        QList<qint64> head;
        QList<PasteInfRow> headRows;
        if (!r->index.isCurrent()) {
            // Every id of a million items is seconds of reading when none of the file is in
            // memory (after a reboot): the newest page comes first, so the first frame has rows.
            if (auto newest = r->reader.historyIds(categoryUuid, kPageSize); newest && newest->size() == kPageSize) {
                head = *newest;
                headRows = r->reader.rows(head);
                post([this, generation, categoryUuid, head, headRows] {
                    applyHead(generation, categoryUuid, head, headRows);
                });
            }
            if (!r->index.load(r->reader)) {
                post([this, generation] { Q_EMIT loadFailed(generation); });
                return;
            }
        }
        // Shared with the index until its next change.
        const QList<qint64> ids = r->index.ids();
        // The first page comes along, so the first frame after the switch has its rows.
        const QList<qint64> firstIds = ids.first(std::min(ids.size(), kPageSize));
        const QList<PasteInfRow> firstRows = firstIds == head ? headRows : r->reader.rows(firstIds);
        post([this, generation, categoryUuid, ids, firstRows] {
            applyLoaded(generation, categoryUuid, ids, firstRows);
        });
    });
    return generation;
}

void QuickSearchPasteInfListModel::cacheRows(const QList<PasteInfRow>& rows)
{
    for (const PasteInfRow& row : rows) {
        cache_.insert(row.id, new CachedRow{row});
        pending_.remove(row.id);
    }
}

void QuickSearchPasteInfListModel::applyHead(quint64 generation, const QString& categoryUuid,
                                             const QList<qint64>& ids, const QList<PasteInfRow>& rows)
{
    if (generation != generation_)
        return;
    cacheRows(rows);
    setList(categoryUuid, ids, true);
    headGeneration_ = generation;
    Q_EMIT firstRowsLoaded(generation);
}

void QuickSearchPasteInfListModel::applyLoaded(quint64 generation, const QString& categoryUuid,
                                               const QList<qint64>& ids, const QList<PasteInfRow>& firstRows)
{
    if (generation != generation_) {
        Log::info(kTag, QStringLiteral("drop superseded history load %1").arg(generation));
        return;
    }
    cacheRows(firstRows);
    shownGeneration_ = generation;
    const bool headShown = std::exchange(headGeneration_, 0) == generation && showingHistory_ &&
                           categoryUuid == categoryUuid_;
    // The rows shown stay (and the selection with them) when the whole list goes on from them;
    // changes since may have made it another list.
    if (headShown && ids.size() >= ids_.size() && std::equal(ids_.cbegin(), ids_.cend(), ids.cbegin())) {
        if (ids.size() > ids_.size()) {
            beginInsertRows({}, int(ids_.size()), int(ids.size() - 1));
            ids_ = ids;
            endInsertRows();
        }
    } else {
        setList(categoryUuid, ids, true);
    }
    Q_EMIT historyLoaded(generation);
}

void QuickSearchPasteInfListModel::showResults(const QString& categoryUuid, const QList<qint64>& ids)
{
    shownGeneration_ = ++generation_;
    setList(categoryUuid, ids, false);
}

void QuickSearchPasteInfListModel::showResults(const QString& categoryUuid, const SearchResults& results)
{
    showResults(categoryUuid, results.rowIds());
}

void QuickSearchPasteInfListModel::setList(const QString& categoryUuid, const QList<qint64>& ids,
                                           bool history)
{
    beginResetModel();
    categoryUuid_ = categoryUuid;
    showingHistory_ = history;
    ids_ = ids;
    ++listVersion_;
    endResetModel();
    // The first screen is asked for at once rather than when the view first paints it.
    if (!ids_.isEmpty())
        requestPage(0);
}

void QuickSearchPasteInfListModel::applyChange(const HistoryChange& change)
{
    switch (change.kind) {
    case HistoryChange::Kind::AddedToTop: {
        // Their date (and maybe clipboard) changed: what is cached is read again.
        refetch(change.ids);
        if (change.categoryUuid != categoryUuid_) {
            removeIds(change.ids);
            return;
        }
        if (showingHistory_) {
            insertAtTop(change.ids);
            return;
        }
        QList<qint64> listed;
        QList<qint64> unlisted;
        for (qint64 id : change.ids)
            (rowOf(id) >= 0 ? listed : unlisted).append(id);
        insertAtTop(listed);
        if (!unlisted.isEmpty())
            Q_EMIT unlistedAddedToTop(unlisted);
        return;
    }
    case HistoryChange::Kind::Removed:
        // Row ids are reused once the newest row is gone: nothing of these ids may stay.
        for (qint64 id : change.ids) {
            cache_.remove(id);
            pending_.remove(id);
        }
        removeIds(change.ids);
        return;
    case HistoryChange::Kind::Reset:
        if (change.ids.isEmpty()) {
            for (qint64 id : cache_.keys())
                cache_.object(id)->stale = true;
        } else {
            refetch(change.ids);
        }
        if (!change.categoryUuid.isEmpty() && change.categoryUuid != categoryUuid_)
            return;
        // A load on its way reads after this change; only the list it would replace is reread.
        if (showingHistory_ && shownGeneration_ == generation_)
            loadHistory(categoryUuid_);
        else
            Q_EMIT resultsOutdated();
        return;
    }
}

void QuickSearchPasteInfListModel::insertAtTop(const QList<qint64>& ids)
{
    if (ids.isEmpty())
        return;
    // A change the load already saw, sent again: nothing to do.
    if (ids_.size() >= ids.size() && std::equal(ids.cbegin(), ids.cend(), ids_.cbegin()))
        return;
    removeIds(ids);
    beginInsertRows({}, 0, int(ids.size() - 1));
    // Prepending one by one lets the list grow at its front instead of moving a million ids.
    for (auto it = ids.crbegin(); it != ids.crend(); ++it)
        ids_.prepend(*it);
    ++listVersion_;
    endInsertRows();
    // What just came to the top is what the user looks at. Read it now: a view laying out a
    // long list again may not ask for it until the whole layout is done.
    requestPage(0);
}

void QuickSearchPasteInfListModel::removeIds(const QList<qint64>& ids)
{
    if (ids.isEmpty() || ids_.isEmpty())
        return;
    QList<int> rows;
    if (ids.size() == 1) {
        if (const int row = rowOf(ids.first()); row >= 0)
            rows.append(row);
    } else {
        const QSet<qint64> gone(ids.cbegin(), ids.cend());
        for (qsizetype i = 0; i < ids_.size(); ++i)
            if (gone.contains(ids_.at(i)))
                rows.append(int(i));
    }
    if (rows.isEmpty())
        return;

    // Runs of consecutive rows, removed from the last so that earlier rows keep their numbers.
    QList<std::pair<int, int>> runs;
    for (int row : rows) {
        if (!runs.isEmpty() && runs.last().second + 1 == row)
            runs.last().second = row;
        else
            runs.append({row, row});
    }
    ++listVersion_;
    if (runs.size() > kMaxRemovalRuns) {
        const QSet<qint64> gone(ids.cbegin(), ids.cend());
        beginResetModel();
        ids_.removeIf([&](qint64 id) { return gone.contains(id); });
        endResetModel();
        return;
    }
    for (auto it = runs.crbegin(); it != runs.crend(); ++it) {
        beginRemoveRows({}, it->first, it->second);
        ids_.remove(it->first, it->second - it->first + 1);
        endRemoveRows();
    }
}

void QuickSearchPasteInfListModel::refetch(const QList<qint64>& ids)
{
    for (qint64 id : ids)
        if (CachedRow* cached = cache_.object(id))
            cached->stale = true;
}

qint64 QuickSearchPasteInfListModel::idAt(int row) const
{
    return row >= 0 && row < ids_.size() ? ids_.at(row) : 0;
}

int QuickSearchPasteInfListModel::rowOf(qint64 id) const
{
    return int(ids_.indexOf(id));
}

std::optional<PasteInfRow> QuickSearchPasteInfListModel::rowAt(int row) const
{
    if (row < 0 || row >= ids_.size())
        return std::nullopt;
    const CachedRow* cached = cache_.object(ids_.at(row));
    if (!cached || cached->missing)
        return std::nullopt;
    return cached->row;
}

void QuickSearchPasteInfListModel::setCacheCapacity(qsizetype rows)
{
    cache_.setMaxCost(std::max(rows, kPageSize));
}

void QuickSearchPasteInfListModel::performOnReader(std::function<void(HistoryReader& reader)> block)
{
    Reader* r = reader_.get();
    r->queue.async([r, block = std::move(block)] {
        r->ready();
        block(r->reader);
    });
}

int QuickSearchPasteInfListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(ids_.size());
}

QVariant QuickSearchPasteInfListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= ids_.size())
        return {};
    const qint64 id = ids_.at(index.row());
    if (role == RowIdRole)
        return id;
    if (role == SecretRevealedRole)
        return revealedSecrets_.contains(id);
    if (role != PasteInfRowRole)
        return {};
    const CachedRow* cached = cache_.object(id);
    if ((!cached || cached->stale) && !pending_.contains(id))
        requestPage(index.row());
    if (!cached || cached->missing)
        return {};
    return QVariant::fromValue(cached->row);
}

QHash<int, QByteArray> QuickSearchPasteInfListModel::roleNames() const
{
    return {{PasteInfRowRole, "pasteInfRow"}, {RowIdRole, "rowId"}, {SecretRevealedRole, "secretRevealed"}};
}

void QuickSearchPasteInfListModel::revealSecret(qint64 id)
{
    if (revealedSecrets_.contains(id))
        return;
    revealedSecrets_.insert(id);
    const int row = rowOf(id);
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row), {SecretRevealedRole});
}

void QuickSearchPasteInfListModel::hideSecrets()
{
    const QSet<qint64> revealed = std::exchange(revealedSecrets_, {});
    for (qint64 id : revealed) {
        const int row = rowOf(id);
        if (row >= 0)
            Q_EMIT dataChanged(index(row), index(row), {SecretRevealedRole});
    }
}

void QuickSearchPasteInfListModel::requestPage(int row) const
{
    const int first = int(row - row % kPageSize);
    const int count = int(std::min<qsizetype>(kPageSize, ids_.size() - first));
    QList<qint64> asked;
    for (int i = first; i < first + count; ++i) {
        const qint64 id = ids_.at(i);
        const CachedRow* cached = cache_.object(id);
        if ((!cached || cached->stale) && !pending_.contains(id)) {
            asked.append(id);
            pending_.insert(id);
        }
    }
    if (asked.isEmpty())
        return;
    auto* self = const_cast<QuickSearchPasteInfListModel*>(this);
    Reader* r = reader_.get();
    const auto post = guiPoster();
    const quint64 version = listVersion_;
    r->queue.async([r, post, self, version, first, count, asked] {
        const QList<PasteInfRow> rows = r->ready() ? r->reader.rows(asked) : QList<PasteInfRow>();
        post([self, version, first, count, asked, rows] {
            self->rowsArrived(version, first, count, asked, rows);
        });
    });
}

void QuickSearchPasteInfListModel::rowsArrived(quint64 listVersion, int firstRow, int rowCount,
                                               const QList<qint64>& asked, const QList<PasteInfRow>& rows)
{
    // Only ids still wanted: one deleted meanwhile may already name another item.
    for (const PasteInfRow& row : rows)
        if (pending_.remove(row.id))
            cache_.insert(row.id, new CachedRow{row});
    // Ids the store no longer has: painted as placeholders, not asked for again and again.
    for (qint64 id : asked)
        if (pending_.remove(id))
            cache_.insert(id, new CachedRow{PasteInfRow{.id = id}, false, true});
    if (ids_.isEmpty())
        return;
    if (listVersion == listVersion_ && firstRow < ids_.size()) {
        const int last = int(std::min<qsizetype>(firstRow + rowCount, ids_.size()) - 1);
        Q_EMIT dataChanged(index(firstRow), index(last), {PasteInfRowRole});
    } else {
        // The rows moved since they were asked for; the view repaints what it shows.
        Q_EMIT dataChanged(index(0), index(int(ids_.size() - 1)), {PasteInfRowRole});
    }
}
