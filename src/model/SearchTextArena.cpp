#include "SearchTextArena.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>

namespace {

// Texts are copied into blocks of this size; a text of more than a quarter of one gets its own.
constexpr size_t kBlockSize = size_t(16) << 20;
// More out-of-order entries than this, and the texts are read again in order.
constexpr size_t kMaxUnsortedTail = 4096;
// Texts of a group, and the bits of its bitmap per byte of text (one in eight).
std::atomic<qint64> groupBytes{64 * 1024};
constexpr qint64 kBytesPerBit = 8;

quint32 runHash(const char* at)
{
    const quint32 run = quint32(quint8(at[0])) | quint32(quint8(at[1])) << 8 | quint32(quint8(at[2])) << 16;
    return run * 0x9E3779B1u;
}
// Changes applied one by one, at most; beyond that the texts are read again.
constexpr qint64 kMaxCatchUp = 20000;

class Stmt
{
public:
    Stmt(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Stmt() { sqlite3_finalize(stmt_); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    sqlite3_stmt* get() const { return stmt_; }
    explicit operator bool() const { return stmt_ != nullptr; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// A read transaction, so that the log's position and the texts read after it agree.
class ReadTransaction
{
public:
    explicit ReadTransaction(sqlite3* db) : db_(db)
    {
        active_ = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~ReadTransaction()
    {
        if (active_)
            sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    bool active() const { return active_; }

private:
    sqlite3* db_;
    bool active_ = false;
};

QString errorOf(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QByteArrayView columnText(sqlite3_stmt* stmt, int column)
{
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
    return QByteArrayView(data ? data : "", data ? sqlite3_column_bytes(stmt, column) : 0);
}

// Where the change log stands: the last entry written, and the oldest one still kept.
struct LogState
{
    qint64 last = 0;
    std::optional<qint64> oldestKept;
};

// Absent when the history keeps no (complete) change log.
std::optional<LogState> readLogState(sqlite3* db)
{
    Stmt stmt(db, "SELECT (SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND name IN "
                  "('paste_inf_search_inserted', 'paste_inf_search_updated', 'paste_inf_search_deleted')), "
                  "(SELECT seq FROM sqlite_sequence WHERE name = 'paste_inf_search_change'), "
                  "(SELECT min(seq) FROM paste_inf_search_change)");
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW || sqlite3_column_int(stmt.get(), 0) != 3)
        return std::nullopt;
    LogState state;
    state.last = sqlite3_column_int64(stmt.get(), 1);
    if (sqlite3_column_type(stmt.get(), 2) != SQLITE_NULL)
        state.oldestKept = sqlite3_column_int64(stmt.get(), 2);
    return state;
}

} // namespace

SearchTextArena::SearchTextArena() = default;
SearchTextArena::~SearchTextArena() = default;

std::unique_ptr<SearchTextArena> SearchTextArena::load(sqlite3* db, const std::function<bool()>& stop,
                                                       qint64 maxBytes, QString* error)
{
    ReadTransaction transaction(db);
    const std::optional<LogState> log = transaction.active() ? readLogState(db) : std::nullopt;
    if (!log) {
        if (error)
            *error = transaction.active() ? QStringLiteral("the history keeps no change log of its texts")
                                          : errorOf(db);
        return nullptr;
    }
    auto arena = std::make_unique<SearchTextArena>();
    arena->lastSeq_ = log->last;
    Stmt stmt(db, "SELECT id, folded_text FROM paste_inf_search ORDER BY id");
    if (!stmt) {
        if (error)
            *error = errorOf(db);
        return nullptr;
    }
    int rc;
    qint64 rows = 0;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        if ((++rows & 4095) == 0 && stop && stop())
            return nullptr;
        const qint64 id = sqlite3_column_int64(stmt.get(), 0);
        if (sqlite3_column_type(stmt.get(), 1) == SQLITE_NULL)
            continue;
        arena->append(id, columnText(stmt.get(), 1));
        if (arena->blockBytes_ > maxBytes) {
            if (error)
                *error = QStringLiteral("the texts take more than %1 MB").arg(maxBytes >> 20);
            return nullptr;
        }
    }
    if (rc != SQLITE_DONE) {
        if (error)
            *error = errorOf(db);
        return nullptr;
    }
    arena->entries_.shrink_to_fit();
    return arena;
}

SearchTextArena::CatchUp SearchTextArena::catchUp(sqlite3* db, QString* error)
{
    ReadTransaction transaction(db);
    const std::optional<LogState> log = transaction.active() ? readLogState(db) : std::nullopt;
    if (!log) {
        if (error)
            *error = transaction.active() ? QStringLiteral("the history keeps no change log of its texts")
                                          : errorOf(db);
        return CatchUp::Unsupported;
    }
    if (log->last == lastSeq_)
        return CatchUp::Current;
    // Entries after lastSeq_ were trimmed (or the log started again): what changed is unknown.
    if (log->last < lastSeq_ || !log->oldestKept || *log->oldestKept > lastSeq_ + 1 ||
        log->last - lastSeq_ > kMaxCatchUp)
        return CatchUp::Stale;
    Stmt stmt(db, "SELECT c.id, s.id IS NOT NULL AND s.folded_text IS NOT NULL, s.folded_text "
                  "FROM paste_inf_search_change AS c LEFT JOIN paste_inf_search AS s ON s.id = c.id "
                  "WHERE c.seq > ?1 AND c.seq <= ?2 ORDER BY c.seq");
    if (!stmt) {
        if (error)
            *error = errorOf(db);
        return CatchUp::Stale;
    }
    sqlite3_bind_int64(stmt.get(), 1, lastSeq_);
    sqlite3_bind_int64(stmt.get(), 2, log->last);
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(stmt.get(), 0);
        if (sqlite3_column_int(stmt.get(), 1))
            set(id, columnText(stmt.get(), 2));
        else
            remove(id);
    }
    // Half applied: the entries are right for what was applied, but the position is not.
    if (rc != SQLITE_DONE) {
        if (error)
            *error = errorOf(db);
        return CatchUp::Stale;
    }
    lastSeq_ = log->last;
    return wantsReload() ? CatchUp::Stale : CatchUp::Current;
}

QByteArrayView SearchTextArena::find(qint64 id) const
{
    const qsizetype index = indexOf(id);
    return index < 0 ? QByteArrayView() : text(index);
}

qsizetype SearchTextArena::indexOf(qint64 id) const
{
    const auto sortedEnd = entries_.begin() + qsizetype(sorted_);
    const auto it = std::lower_bound(entries_.begin(), sortedEnd, id,
                                     [](const Entry& e, qint64 value) { return e.id < value; });
    if (it != sortedEnd && it->id == id)
        return qsizetype(it - entries_.begin());
    for (size_t i = sorted_; i < entries_.size(); ++i)
        if (entries_[i].id == id)
            return qsizetype(i);
    return -1;
}

void SearchTextArena::set(qint64 id, QByteArrayView text)
{
    const qsizetype index = indexOf(id);
    if (index >= 0) {
        Entry& e = entries_[size_t(index)];
        if (e.text) {
            deadBytes_ += e.length;
            liveBytes_ -= e.length;
        } else {
            ++liveCount_;
        }
        e.text = store(text);
        e.length = quint32(text.size());
        liveBytes_ += text.size();
        // The bitmap only ever gains bits: the old text's runs may stay, which costs a look.
        mark(groupOf(size_t(index)), text);
        return;
    }
    append(id, text);
}

void SearchTextArena::append(qint64 id, QByteArrayView text)
{
    const bool inOrder = sorted_ == entries_.size() && (entries_.empty() || entries_.back().id < id);
    entries_.push_back({id, store(text), quint32(text.size())});
    liveBytes_ += text.size();
    ++liveCount_;
    minId_ = entries_.size() == 1 ? id : std::min(minId_, id);
    maxId_ = entries_.size() == 1 ? id : std::max(maxId_, id);
    if (inOrder)
        sorted_ = entries_.size();

    // A large text has a group of its own; smaller ones join the last group until it is full.
    const qint64 kGroupBytes = groupBytes.load(std::memory_order_relaxed);
    const bool large = text.size() >= kGroupBytes;
    if (groups_.empty() || large || groups_.back().textBytes >= kGroupBytes) {
        Group group;
        group.first = entries_.size() - 1;
        const qint64 bits = std::max<qint64>(kGroupBytes, text.size()) / kBytesPerBit;
        int log2 = 6;
        while ((qint64(1) << log2) < bits)
            ++log2;
        group.shift = 32 - log2;
        const size_t words = size_t(1) << (log2 - 6);
        group.bits = std::make_unique<quint64[]>(words);
        bitmapBytes_ += qint64(words * sizeof(quint64));
        groups_.push_back(std::move(group));
    }
    Group& group = groups_.back();
    group.end = entries_.size();
    group.textBytes += text.size();
    mark(group, text);
    // Nothing joins a large text's group.
    if (large)
        group.textBytes = std::max(group.textBytes, kGroupBytes);
}

void SearchTextArena::mark(Group& group, QByteArrayView text)
{
    const char* data = text.data();
    quint64* bits = group.bits.get();
    const int shift = group.shift;
    for (qsizetype i = 0; i + 3 <= text.size(); ++i) {
        const quint32 bit = runHash(data + i) >> shift;
        bits[bit >> 6] |= quint64(1) << (bit & 63);
    }
}

SearchTextArena::Group& SearchTextArena::groupOf(size_t index)
{
    const auto it = std::upper_bound(groups_.begin(), groups_.end(), index,
                                     [](size_t value, const Group& g) { return value < g.first; });
    return *(it - 1);
}

void SearchTextArena::setGroupTextBytes(qint64 bytes)
{
    groupBytes.store(std::max<qint64>(bytes, 64));
}

SearchTextArena::Runs SearchTextArena::runsOf(QByteArrayView needle)
{
    Runs runs;
    for (qsizetype i = 0; i + 3 <= needle.size(); ++i)
        runs.push_back(runHash(needle.data() + i));
    std::sort(runs.begin(), runs.end());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    return runs;
}

bool SearchTextArena::groupMayHold(qsizetype index, const Runs& runs) const
{
    const Group& group = groups_[size_t(index)];
    for (quint32 run : runs) {
        const quint32 bit = run >> group.shift;
        if (!((group.bits[bit >> 6] >> (bit & 63)) & 1))
            return false;
    }
    return true;
}

void SearchTextArena::remove(qint64 id)
{
    const qsizetype index = indexOf(id);
    if (index < 0)
        return;
    Entry& e = entries_[size_t(index)];
    if (!e.text)
        return;
    deadBytes_ += e.length;
    liveBytes_ -= e.length;
    --liveCount_;
    e.text = nullptr;
    e.length = 0;
}

const char* SearchTextArena::store(QByteArrayView text)
{
    const size_t n = size_t(text.size());
    char* at;
    if (n > kBlockSize / 4) {
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(n));
        blockBytes_ += qint64(n);
        at = blocks_.back().get();
    } else {
        if (!open_ || openUsed_ + n > kBlockSize) {
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
            blockBytes_ += qint64(kBlockSize);
            open_ = blocks_.back().get();
            openUsed_ = 0;
        }
        at = open_ + openUsed_;
        openUsed_ += n;
    }
    if (n)
        std::memcpy(at, text.data(), n);
    return at;
}

bool SearchTextArena::wantsReload() const
{
    // Texts replaced or gone hold on to their bytes, and gone items to their entries.
    return deadBytes_ > liveBytes_ / 2 + (qint64(64) << 20) ||
           qsizetype(entries_.size()) - liveCount_ > qsizetype(entries_.size() / 4) + 4096 ||
           entries_.size() - sorted_ > kMaxUnsortedTail;
}
