#include "SearchEngine.h"

#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/CoreDataManager.h"
#include "model/PasteBoardUtils.h"
#include "model/PasteInfoDisplayType.h"
#include "model/RetentionRule.h"
#include "model/SearchTextArena.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QScopeGuard>
#include <QStandardPaths>

#include <sqlite3.h>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <future>
#include <limits>
#include <mutex>
#include <unordered_set>
#include <vector>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// ---- SearchResults

QString SearchResults::uuid(qsizetype index) const
{
    const qsizetype begin = index == 0 ? 0 : uuidEnds_.at(index - 1);
    return QString::fromUtf8(uuidBytes_.constData() + begin, uuidEnds_.at(index) - begin);
}

QStringList SearchResults::uuids(qsizetype from, qsizetype count) const
{
    QStringList list;
    const qsizetype end = count < 0 ? size() : std::min(size(), from + count);
    for (qsizetype i = std::max<qsizetype>(from, 0); i < end; ++i)
        list.append(uuid(i));
    return list;
}

SearchResults SearchResults::first(qsizetype count) const
{
    SearchResults prefix;
    const qsizetype n = std::clamp<qsizetype>(count, 0, size());
    prefix.rowIds_ = rowIds_.first(n);
    prefix.uuidEnds_ = uuidEnds_.first(n);
    prefix.uuidBytes_ = uuidBytes_.first(n == 0 ? 0 : uuidEnds_.at(n - 1));
    return prefix;
}

void SearchResults::reserve(qsizetype count, qsizetype uuidBytes)
{
    rowIds_.reserve(count);
    uuidEnds_.reserve(count);
    uuidBytes_.reserve(uuidBytes);
}

void SearchResults::append(qint64 rowId, QByteArrayView uuid)
{
    rowIds_.append(rowId);
    uuidBytes_.append(uuid);
    uuidEnds_.append(uuidBytes_.size());
}

namespace {

const QString kTag = QStringLiteral("SearchEngine");
using Clock = std::chrono::steady_clock;

// How long a pass streams rows in history order to find its first screenful before it turns to
// the unordered scan, which costs about half as much per row but has to finish before anything
// can be shown in order.
constexpr auto kStreamBudget = std::chrono::milliseconds(8);
// The scan hands out the row-id range in this many chunks, so both threads stay busy to the end
// however the large texts are spread.
constexpr qint64 kScanChunks = 64;
constexpr qint64 kMinChunkSpan = 4096;
// Matches over a row-id span up to this wide are marked in a bitmap (at most 16 MB).
constexpr qint64 kMaxBitmapSpan = qint64(1) << 27;
// SQLite caps this at its compile-time limit (2 GB in most builds).
constexpr qint64 kMmapSize = qint64(1) << 40;
// VM instructions between checks for cancellation inside a single step.
constexpr int kProgressInterval = 4096;

// Cancellation and progress of one pass, shared by the threads that work on it.
struct PassState
{
    quint64 generation = 0;
    std::shared_ptr<std::atomic<quint64>> latest;
    std::atomic<qint64> rowsExamined{0};
    // Set when the pass has what it needs, so the helper can stop scanning.
    std::atomic<bool> done{false};
    // Set when the helper has scanned every text, so streaming for a first screen is no quicker.
    std::atomic<bool> scanned{false};

    bool cancelled() const { return latest->load(std::memory_order_relaxed) != generation; }
    bool shouldStop() const { return cancelled() || done.load(std::memory_order_relaxed); }
};

// The rows that passed the text condition, by row id.
class HitSet
{
public:
    void build(std::vector<qint64> ids, qint64 minId, qint64 maxId)
    {
        if (maxId >= minId && maxId - minId < kMaxBitmapSpan) {
            base_ = minId;
            bits_.assign(size_t((maxId - minId) / 64 + 1), 0);
            for (qint64 id : ids)
                bits_[size_t((id - base_) >> 6)] |= quint64(1) << ((id - base_) & 63);
        } else {
            std::sort(ids.begin(), ids.end());
            sorted_ = std::move(ids);
        }
    }

    bool contains(qint64 id) const
    {
        if (!bits_.empty()) {
            const qint64 offset = id - base_;
            return offset >= 0 && size_t(offset >> 6) < bits_.size() &&
                   (bits_[size_t(offset >> 6)] >> (offset & 63)) & 1;
        }
        return std::binary_search(sorted_.begin(), sorted_.end(), id);
    }

private:
    qint64 base_ = 0;
    std::vector<quint64> bits_;
    std::vector<qint64> sorted_;
};

// The display type codes of the history order: a position in DisplayType::all() plus one, or
// zero for an item nobody has classified yet (no raw value, or one this build does not know).
quint8 displayTypeCode(QByteArrayView raw)
{
    static const QList<QByteArray> raws = [] {
        QList<QByteArray> list;
        for (PasteInfoDisplayType type : DisplayType::all())
            list.append(DisplayType::rawValue(type).toUtf8());
        return list;
    }();
    for (qsizetype i = 0; i < raws.size(); ++i)
        if (raw == raws.at(i))
            return quint8(i + 1);
    return 0;
}

// Changes taken from the log to bring a kept history order up to date, at most; beyond that
// reading the order again is as quick.
constexpr size_t kMaxOrderChanges = 20000;

// Where the change log stands, when it logs what moves items in the history order too.
struct OrderLog
{
    qint64 last = -1;
    std::optional<qint64> oldestKept;
};

std::optional<OrderLog> orderLogPosition(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    std::optional<OrderLog> log;
    if (sqlite3_prepare_v2(db,
                           "SELECT (SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND name IN "
                           "('paste_inf_order_inserted', 'paste_inf_order_updated', 'paste_inf_order_deleted', "
                           "'paste_inf_search_inserted', 'paste_inf_search_updated', 'paste_inf_search_deleted')), "
                           "(SELECT seq FROM sqlite_sequence WHERE name = 'paste_inf_search_change'), "
                           "(SELECT min(seq) FROM paste_inf_search_change)",
                           -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 6) {
        log = OrderLog{sqlite3_column_int64(stmt, 1), std::nullopt};
        if (sqlite3_column_type(stmt, 2) != SQLITE_NULL)
            log->oldestKept = sqlite3_column_int64(stmt, 2);
    }
    sqlite3_finalize(stmt);
    return log;
}

// One clipboard in history order, as its date index lists it: row ids, dates, display types and
// uuids, about 33 bytes an item. A pass puts its matches in order from it instead of walking the
// index again; it stays valid until the database or the clipboard changes. Kept between runs
// with the texts (serialize()), it is brought up to date from the change log at the next run.
class DateOrder
{
public:
    // The uuid buffer an item's uuid() is written into.
    using UuidBuffer = std::array<char, 36>;

    // Valid while neither the database nor the retention rule's verdict on any of its items
    // has changed: time moving on keeps it until an item it holds expires, or one it left out
    // comes back into range.
    bool isValidFor(const QByteArray& category, qint64 dataVersion, const RetentionRule& rule) const
    {
        if (!valid_ || category != category_ || dataVersion != dataVersion_)
            return false;
        return !ruleApplies_ || (rule.oldestKeptMs() <= oldestKept_ && newestKept_ <= rule.newestKeptMs() &&
                                 (!newestTooOld_ || rule.oldestKeptMs() > *newestTooOld_) &&
                                 (!oldestTooNew_ || rule.newestKeptMs() < *oldestTooNew_));
    }
    // Starts again for `category` as of `dataVersion`; valid once finish() is called. The
    // retention rule applies to the default clipboard only.
    void restart(const QByteArray& category, qint64 dataVersion, bool ruleApplies)
    {
        valid_ = false;
        category_ = category;
        dataVersion_ = dataVersion;
        ruleApplies_ = ruleApplies;
        oldestKept_ = std::numeric_limits<qint64>::max();
        newestKept_ = std::numeric_limits<qint64>::min();
        newestTooOld_.reset();
        oldestTooNew_.reset();
        logSeq_ = -1;
        ids_.clear();
        dates_.clear();
        codes_.clear();
        uuids_.clear();
        rawUuids_.clear();
    }
    void finish()
    {
        trim(ids_);
        trim(dates_);
        trim(codes_);
        trim(uuids_);
        valid_ = true;
    }

    // The change log's last entry when the walk began (-1: the log does not cover the order).
    qint64 logSeq() const { return logSeq_; }
    void setLogSeq(qint64 seq) { logSeq_ = seq; }
    const QByteArray& category() const { return category_; }
    bool ruleApplies() const { return ruleApplies_; }
    // Whether what the rule left out stays out under `rule`.
    bool leftOutStaysOut(const RetentionRule& rule) const
    {
        return (!newestTooOld_ || rule.oldestKeptMs() > *newestTooOld_) &&
               (!oldestTooNew_ || rule.newestKeptMs() < *oldestTooNew_);
    }
    // Starts again from `kept` (a valid order of the same clipboard), as of `dataVersion`: what
    // it left out stays known, and its raw uuids can be copied with appendFrom().
    void restartFrom(const DateOrder& kept, qint64 dataVersion)
    {
        restart(kept.category_, dataVersion, kept.ruleApplies_);
        newestTooOld_ = kept.newestTooOld_;
        oldestTooNew_ = kept.oldestTooNew_;
        rawUuids_ = kept.rawUuids_;
        ids_.reserve(kept.ids_.size() + 64);
        dates_.reserve(kept.ids_.size() + 64);
        codes_.reserve(kept.ids_.size() + 64);
        uuids_.reserve(kept.ids_.size() + 64);
    }
    void appendFrom(const DateOrder& kept, qsizetype index)
    {
        ids_.push_back(kept.ids_[size_t(index)]);
        dates_.push_back(kept.dates_[size_t(index)]);
        codes_.push_back(kept.codes_[size_t(index)]);
        uuids_.push_back(kept.uuids_[size_t(index)]);
    }
    std::optional<qint64> date(qsizetype index) const
    {
        const qint64 d = dates_[size_t(index)];
        return d == kNoDate ? std::nullopt : std::optional<qint64>(d);
    }

    // A complete order whose log position is known, as bytes; empty otherwise.
    QByteArray serialize() const
    {
        if (!valid_ || logSeq_ < 0)
            return {};
        QByteArray out;
        const auto put = [&](const void* data, size_t size) { out.append(static_cast<const char*>(data), qsizetype(size)); };
        const auto putNumber = [&](qint64 value) { put(&value, sizeof value); };
        putNumber(kSerialVersion);
        putNumber(category_.size());
        out.append(category_);
        putNumber(ruleApplies_ ? 1 : 0);
        putNumber(logSeq_);
        putNumber(newestTooOld_.value_or(kNoDate));
        putNumber(oldestTooNew_.value_or(kNoDate));
        putNumber(qint64(ids_.size()));
        putNumber(rawUuids_.size());
        put(ids_.data(), ids_.size() * sizeof(qint64));
        put(dates_.data(), dates_.size() * sizeof(qint64));
        put(codes_.data(), codes_.size());
        put(uuids_.data(), uuids_.size() * sizeof(Packed));
        out.append(rawUuids_);
        return out;
    }
    // What serialize() wrote; absent when the bytes are not such an order (checked throughout, so
    // that no uuid reads outside what was given).
    static std::optional<DateOrder> deserialize(QByteArrayView in)
    {
        qsizetype at = 0;
        const auto take = [&](void* data, qsizetype size) {
            if (size < 0 || size > in.size() - at)
                return false;
            std::memcpy(data, in.data() + at, size_t(size));
            at += size;
            return true;
        };
        qint64 version = 0, categorySize = 0, ruleApplies = 0, count = 0, rawSize = 0, tooOld = 0, tooNew = 0;
        DateOrder order;
        if (!take(&version, 8) || version != kSerialVersion || !take(&categorySize, 8) || categorySize < 0 ||
            categorySize > in.size())
            return std::nullopt;
        order.category_.resize(categorySize);
        if (!take(order.category_.data(), categorySize) || !take(&ruleApplies, 8) || !take(&order.logSeq_, 8) ||
            !take(&tooOld, 8) || !take(&tooNew, 8) || !take(&count, 8) || !take(&rawSize, 8) || count < 0 ||
            rawSize < 0 || count > in.size() / 33 || rawSize > in.size())
            return std::nullopt;
        order.ruleApplies_ = ruleApplies != 0;
        if (tooOld != kNoDate)
            order.newestTooOld_ = tooOld;
        if (tooNew != kNoDate)
            order.oldestTooNew_ = tooNew;
        order.ids_.resize(size_t(count));
        order.dates_.resize(size_t(count));
        order.codes_.resize(size_t(count));
        order.uuids_.resize(size_t(count));
        order.rawUuids_.resize(rawSize);
        if (!take(order.ids_.data(), count * 8) || !take(order.dates_.data(), count * 8) ||
            !take(order.codes_.data(), count) || !take(order.uuids_.data(), count * qint64(sizeof(Packed))) ||
            !take(order.rawUuids_.data(), rawSize) || at != in.size())
            return std::nullopt;
        for (size_t i = 0; i < order.codes_.size(); ++i) {
            const quint8 form = order.codes_[i] & kFormMask;
            if (form != kRaw && form != kUpper && form != kLower)
                return std::nullopt;
            if (form == kRaw) {
                qint64 offset, length;
                std::memcpy(&offset, order.uuids_[i].data(), sizeof offset);
                std::memcpy(&length, order.uuids_[i].data() + sizeof offset, sizeof length);
                if (offset < 0 || length < 0 || offset > rawSize || length > rawSize - offset)
                    return std::nullopt;
            }
        }
        order.valid_ = true;
        return order;
    }

    // Whether an item dated `dateMs` belongs in the order under `rule`; remembers what the
    // answer depended on.
    bool admits(const std::optional<qint64>& dateMs, const RetentionRule& rule)
    {
        if (!ruleApplies_ || !dateMs)
            return true;
        if (*dateMs < rule.oldestKeptMs()) {
            newestTooOld_ = std::max(newestTooOld_.value_or(*dateMs), *dateMs);
            return false;
        }
        if (*dateMs > rule.newestKeptMs()) {
            oldestTooNew_ = std::min(oldestTooNew_.value_or(*dateMs), *dateMs);
            return false;
        }
        oldestKept_ = std::min(oldestKept_, *dateMs);
        newestKept_ = std::max(newestKept_, *dateMs);
        return true;
    }

    qsizetype size() const { return qsizetype(ids_.size()); }
    qint64 id(qsizetype index) const { return ids_[size_t(index)]; }
    quint8 typeCode(qsizetype index) const { return codes_[size_t(index)] & kTypeMask; }
    void append(qint64 id, quint8 typeCode, QByteArrayView uuid, std::optional<qint64> date)
    {
        dates_.push_back(date.value_or(kNoDate));
        Packed packed;
        quint8 form = pack(uuid, packed);
        if (form == kRaw) {
            const qint64 offset = rawUuids_.size(), length = uuid.size();
            rawUuids_.append(uuid);
            std::memcpy(packed.data(), &offset, sizeof offset);
            std::memcpy(packed.data() + sizeof offset, &length, sizeof length);
        }
        ids_.push_back(id);
        codes_.push_back(quint8(form | typeCode));
        uuids_.push_back(packed);
    }

    QByteArrayView uuid(qsizetype index, UuidBuffer& buffer) const
    {
        const Packed& packed = uuids_[size_t(index)];
        const quint8 form = codes_[size_t(index)] & kFormMask;
        if (form == kRaw) {
            qint64 offset, length;
            std::memcpy(&offset, packed.data(), sizeof offset);
            std::memcpy(&length, packed.data() + sizeof offset, sizeof length);
            return QByteArrayView(rawUuids_.constData() + offset, length);
        }
        const char* digits = form == kLower ? "0123456789abcdef" : "0123456789ABCDEF";
        for (int i = 0, nibble = 0; i < 36; ++i) {
            if (i == 8 || i == 13 || i == 18 || i == 23) {
                buffer[size_t(i)] = '-';
                continue;
            }
            const quint8 byte = quint8(packed[size_t(nibble >> 1)]);
            buffer[size_t(i)] = digits[(nibble & 1) ? (byte & 15) : (byte >> 4)];
            ++nibble;
        }
        return QByteArrayView(buffer.data(), 36);
    }

private:
    using Packed = std::array<char, 16>;
    // An undated item's place in dates_ (no item is dated then).
    static constexpr qint64 kNoDate = std::numeric_limits<qint64>::min();
    static constexpr qint64 kSerialVersion = 1;
    static constexpr quint8 kTypeMask = 0x0f;
    static constexpr quint8 kFormMask = 0x30;
    // How the 16 bytes of an item hold its uuid: the canonical form in upper or lower case as its
    // 128 bits, anything else as a place in rawUuids_.
    static constexpr quint8 kRaw = 0x00;
    static constexpr quint8 kUpper = 0x10;
    static constexpr quint8 kLower = 0x20;

    static quint8 pack(QByteArrayView text, Packed& out)
    {
        if (text.size() != 36)
            return kRaw;
        bool upper = false, lower = false;
        for (int i = 0, nibble = 0; i < 36; ++i) {
            const char c = text[i];
            if (i == 8 || i == 13 || i == 18 || i == 23) {
                if (c != '-')
                    return kRaw;
                continue;
            }
            int value;
            if (c >= '0' && c <= '9') {
                value = c - '0';
            } else if (c >= 'A' && c <= 'F') {
                value = c - 'A' + 10;
                upper = true;
            } else if (c >= 'a' && c <= 'f') {
                value = c - 'a' + 10;
                lower = true;
            } else {
                return kRaw;
            }
            char& byte = out[size_t(nibble >> 1)];
            byte = (nibble & 1) ? char(quint8(byte) | value) : char(value << 4);
            ++nibble;
        }
        if (upper && lower)
            return kRaw;
        return lower ? kLower : kUpper;
    }

    // Drops growth room beyond a little, so that a rebuild after a few captures does not
    // reallocate, yet a first build does not keep twice what it needs.
    template <typename T> static void trim(std::vector<T>& items)
    {
        const size_t wanted = items.size() + items.size() / 16 + 64;
        if (items.capacity() <= wanted + wanted / 4)
            return;
        std::vector<T> trimmed;
        trimmed.reserve(wanted);
        trimmed.assign(items.begin(), items.end());
        items.swap(trimmed);
    }

    bool valid_ = false;
    QByteArray category_;
    qint64 dataVersion_ = -1;
    bool ruleApplies_ = false;
    // The dated items' extremes, kept and left out by the rule.
    qint64 oldestKept_ = std::numeric_limits<qint64>::max();
    qint64 newestKept_ = std::numeric_limits<qint64>::min();
    std::optional<qint64> newestTooOld_;
    std::optional<qint64> oldestTooNew_;
    qint64 logSeq_ = -1;
    std::vector<qint64> ids_;
    std::vector<qint64> dates_;
    std::vector<quint8> codes_;
    std::vector<Packed> uuids_;
    QByteArray rawUuids_;
};

class Statement
{
public:
    Statement(sqlite3* db, const QByteArray& sql)
    {
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK)
            stmt_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }
    explicit operator bool() const { return stmt_ != nullptr; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

QByteArrayView columnBytes(sqlite3_stmt* stmt, int column)
{
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
    return data ? QByteArrayView(data, sqlite3_column_bytes(stmt, column)) : QByteArrayView();
}

// Substring test on UTF-8 bytes. It compares the needle's first and last bytes at 16 positions
// at once (32 with AVX2) and checks the rest only where both agree; this beats memmem several
// times over on long texts, which is where a pass spends its time.
#if defined(__SSE2__)
bool containsNeedleSse2(const char* text, size_t length, const char* needle, size_t n)
{
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i last = _mm_set1_epi8(needle[n - 1]);
    size_t i = 0;
    for (; i + n - 1 + 16 <= length; i += 16) {
        const __m128i blockFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i blockLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + n - 1));
        unsigned mask = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(first, blockFirst), _mm_cmpeq_epi8(last, blockLast))));
        while (mask) {
            const unsigned bit = unsigned(__builtin_ctz(mask));
            if (memcmp(text + i + bit + 1, needle + 1, n - 2) == 0)
                return true;
            mask &= mask - 1;
        }
    }
    return i < length && memmem(text + i, length - i, needle, n) != nullptr;
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) bool containsNeedleAvx2(const char* text, size_t length, const char* needle,
                                                        size_t n)
{
    const __m256i first = _mm256_set1_epi8(needle[0]);
    const __m256i last = _mm256_set1_epi8(needle[n - 1]);
    size_t i = 0;
    for (; i + n - 1 + 32 <= length; i += 32) {
        const __m256i blockFirst = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + i));
        const __m256i blockLast = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + i + n - 1));
        unsigned mask = unsigned(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(first, blockFirst), _mm256_cmpeq_epi8(last, blockLast))));
        while (mask) {
            const unsigned bit = unsigned(__builtin_ctz(mask));
            if (memcmp(text + i + bit + 1, needle + 1, n - 2) == 0)
                return true;
            mask &= mask - 1;
        }
    }
    // Every match starting before i has been seen.
    return containsNeedleSse2(text + i, length - i, needle, n);
}
#endif
#endif

bool containsNeedle(QByteArrayView haystack, const QByteArray& needle)
{
    const char* text = haystack.data();
    const size_t length = size_t(haystack.size());
    const size_t n = size_t(needle.size());
    if (!text || n == 0 || n > length)
        return text && n == 0;
    if (n == 1)
        return memchr(text, needle.at(0), length) != nullptr;
#if defined(__SSE2__) && defined(__x86_64__)
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2)
        return containsNeedleAvx2(text, length, needle.constData(), n);
#endif
#if defined(__SSE2__)
    return containsNeedleSse2(text, length, needle.constData(), n);
#else
    return memmem(text, length, needle.constData(), n) != nullptr;
#endif
}

// A read-only connection to the history database, used by one thread at a time. Besides the
// connection it holds what the SQL functions of the running pass look at.
class Reader
{
public:
    ~Reader() { close(); }

    bool open(const QString& path)
    {
        if (db_ && path == path_)
            return true;
        close();
        const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) != SQLITE_OK) {
            Log::error(kTag, QStringLiteral("cannot open history database: %1")
                                 .arg(QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory")));
            close();
            return false;
        }
        path_ = path;
        sqlite3_busy_timeout(db_, 2000);
        sqlite3_exec(
            db_,
            QByteArray("PRAGMA query_only=1; PRAGMA mmap_size=" + QByteArray::number(kMmapSize)).constData(),
            nullptr, nullptr, nullptr);
        sqlite3_progress_handler(db_, kProgressInterval, &Reader::progress, this);
        sqlite3_create_function(db_, "brimble_contains", 1, SQLITE_UTF8 | SQLITE_DIRECTONLY, this,
                                &Reader::containsFn, nullptr, nullptr);
        return true;
    }

    void close()
    {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        path_.clear();
        order = DateOrder();
    }

    // Changes whenever another connection commits to the database; absent when it cannot be read.
    std::optional<qint64> dataVersion() const
    {
        sqlite3_stmt* stmt = nullptr;
        std::optional<qint64> version;
        if (sqlite3_prepare_v2(db_, "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            version = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
        return version;
    }

    sqlite3* db() const { return db_; }
    QString errorMessage() const { return QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "no connection"); }

    // The history order last read through this connection, kept for the passes that follow.
    DateOrder order;
    // Set for each piece of work before its statements run.
    PassState* pass = nullptr;
    QByteArray needle;
    Clock::time_point deadline = Clock::time_point::max();
    bool deadlinePassed = false;
    // Rows looked at by this thread, added to the pass's count when a piece of work ends, so
    // that two threads do not contend for one counter on every row.
    qint64 examined = 0;

    void flushExamined()
    {
        if (pass)
            pass->rowsExamined.fetch_add(examined, std::memory_order_relaxed);
        examined = 0;
    }

private:
    static int progress(void* context)
    {
        const auto* self = static_cast<Reader*>(context);
        return self->pass && (self->pass->cancelled() || self->deadlinePassed) ? 1 : 0;
    }

    static void containsFn(sqlite3_context* context, int, sqlite3_value** args)
    {
        auto* self = static_cast<Reader*>(sqlite3_user_data(context));
        if ((++self->examined & 63) == 0 &&
            (Clock::now() >= self->deadline ||
             (self->pass && self->pass->scanned.load(std::memory_order_relaxed))))
            self->deadlinePassed = true;
        const auto* text = static_cast<const char*>(sqlite3_value_blob(args[0]));
        const QByteArrayView haystack(text, text ? sqlite3_value_bytes(args[0]) : 0);
        sqlite3_result_int(context, containsNeedle(haystack, self->needle) ? 1 : 0);
    }

    sqlite3* db_ = nullptr;
    QString path_;
};

// The row-id range of the stored texts, cut into chunks for the threads that scan it.
struct ScanPlan
{
    // When set, the chunks are ranges of its groups, not of row ids, and a group whose bitmap
    // lacks one of the needle's runs is passed over.
    const SearchTextArena* arena = nullptr;
    SearchTextArena::Runs runs;
    qint64 minId = 0;
    qint64 maxId = -1;
    qint64 chunkSpan = 1;
    qint64 chunks = 0;
    std::atomic<qint64> next{0};
};

enum class Outcome
{
    Completed,
    Cancelled,
    Failed
};

// Tests the text condition on every stored text of the plan's chunks this thread claims. Works
// alongside another thread claiming chunks of the same plan.
Outcome scanChunks(Reader& reader, PassState& pass, ScanPlan& plan, std::vector<qint64>& hits)
{
    if (const SearchTextArena* arena = plan.arena) {
        for (qint64 chunk = plan.next.fetch_add(1); chunk < plan.chunks; chunk = plan.next.fetch_add(1)) {
            const qsizetype firstGroup = qsizetype(chunk * plan.chunkSpan);
            const qsizetype endGroup = std::min(arena->groupCount(), qsizetype(firstGroup + plan.chunkSpan));
            for (qsizetype group = firstGroup; group < endGroup; ++group) {
                if (pass.shouldStop())
                    return Outcome::Cancelled;
                if (!arena->groupMayHold(group, plan.runs) || !arena->groupIntact(group))
                    continue;
                const auto [first, end] = arena->groupEntries(group);
                for (qsizetype i = first; i < end; ++i) {
                    const SearchTextArena::Entry& entry = arena->entry(i);
                    if (entry.text && containsNeedle(QByteArrayView(entry.text, entry.length), reader.needle))
                        hits.push_back(entry.id);
                }
                reader.examined += end - first;
            }
        }
        return pass.shouldStop() ? Outcome::Cancelled : Outcome::Completed;
    }
    Statement stmt(reader.db(), "SELECT id, folded_text FROM paste_inf_search WHERE id BETWEEN ?1 AND ?2");
    if (!stmt) {
        Log::error(kTag, QStringLiteral("cannot read texts: %1").arg(reader.errorMessage()));
        return Outcome::Failed;
    }
    for (qint64 chunk = plan.next.fetch_add(1); chunk < plan.chunks; chunk = plan.next.fetch_add(1)) {
        const qint64 first = plan.minId + chunk * plan.chunkSpan;
        sqlite3_reset(stmt.get());
        sqlite3_bind_int64(stmt.get(), 1, first);
        sqlite3_bind_int64(stmt.get(), 2, std::min(plan.maxId, first + plan.chunkSpan - 1));
        int rc;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            ++reader.examined;
            if (pass.shouldStop())
                return Outcome::Cancelled;
            if (containsNeedle(columnBytes(stmt.get(), 1), reader.needle))
                hits.push_back(sqlite3_column_int64(stmt.get(), 0));
        }
        if (rc != SQLITE_DONE) {
            if (pass.shouldStop())
                return Outcome::Cancelled;
            Log::error(kTag, QStringLiteral("cannot read texts: %1").arg(reader.errorMessage()));
            return Outcome::Failed;
        }
    }
    return Outcome::Completed;
}

QByteArray sqlString(const QString& raw)
{
    return "'" + raw.toUtf8().replace('\'', "''") + "'";
}

// Rows the type condition may accept: the wanted types, and rows without a known type, which are
// classified when they come up.
QByteArray typeFilterSql(const ParsedQuery& query)
{
    if (query.displayTypes.isEmpty())
        return {};
    QByteArrayList known, wanted;
    for (PasteInfoDisplayType type : DisplayType::all())
        known.append(sqlString(DisplayType::rawValue(type)));
    for (PasteInfoDisplayType type : query.displayTypes)
        wanted.append(sqlString(DisplayType::rawValue(type)));
    return " AND (p.display_type IS NULL OR p.display_type NOT IN (" + known.join(',') +
           ") OR p.display_type IN (" + wanted.join(',') + "))";
}

// Whether the store can classify items of the database at `path`: only those of its own file.
bool storeCanClassify(const CoreDataManager& store, const QString& path)
{
    return store.isOpen() &&
           QFileInfo(store.path()).canonicalFilePath() == QFileInfo(path).canonicalFilePath();
}

// The display type of an item nobody has classified yet, found from its content.
std::optional<PasteInfoDisplayType> classifyThroughStore(CoreDataManager& store, QByteArrayView uuid)
{
    std::optional<PasteInfModel> model = store.fetchPasteInf(QString::fromUtf8(uuid));
    if (!model)
        return std::nullopt;
    if (auto content = PasteBoardUtils::preferredContent(*model, &store))
        return content->displayType;
    return std::nullopt;
}

// One search over one database on the calling thread; the engine adds a helper thread for the
// scan and delivery to the GUI thread.
class SearchRun
{
public:
    struct Options
    {
        // Stop after this many matches (0: all).
        qsizetype limit = 0;
        // How long to stream in history order before scanning; max streams to the end.
        Clock::duration streamBudget = kStreamBudget;
        std::function<void(const SearchResults&)> firstScreen;
        // Starts another thread on the scan plan; its future reports that thread's matches.
        std::function<std::future<std::pair<Outcome, std::vector<qint64>>>(ScanPlan&)> startHelper;
        // The texts held in memory, current as of the pass's start; the table is scanned without.
        const SearchTextArena* texts = nullptr;
        // A history order the last run kept, to take up instead of reading one.
        const DateOrder* keptOrder = nullptr;
        std::function<void()> keptOrderTaken;
    };

    SearchRun(CoreDataManager& store, Reader& reader, PassState& pass, const QString& categoryUuid,
              const ParsedQuery& query, Options options)
        : store_(store), reader_(reader), pass_(pass), category_(categoryUuid.toUtf8()), query_(query),
          options_(std::move(options))
    {
        reader_.pass = &pass_;
        reader_.needle = SearchHelper::foldedNeedle(query_);
        reader_.deadline = Clock::time_point::max();
        reader_.deadlinePassed = false;
        reader_.examined = 0;
        for (qsizetype i = 0; i < DisplayType::all().size(); ++i)
            if (SearchHelper::typeMatches(query_, DisplayType::all().at(i)))
                wantedCodes_ |= 1u << (i + 1);
        // Every reader of the history leaves expired items out by the store's rule.
        rule_ = store_.retentionRule();
        ruleApplies_ = categoryUuid == kDefaultCategoryUUID;
        // Unclassified rows are classified through the store, which can only do that for its own file.
        canClassify_ = storeCanClassify(store_, databasePath());
    }

    ~SearchRun()
    {
        reader_.flushExamined();
        reader_.pass = nullptr;
    }

    Outcome run()
    {
        if (query_.text.isEmpty())
            return list();

        ScanPlan plan;
        std::future<std::pair<Outcome, std::vector<qint64>>> helper;
        const bool streamToEnd = options_.streamBudget == Clock::duration::max();
        if (!streamToEnd) {
            if (const Outcome planned = planScan(plan); planned != Outcome::Completed)
                return planned;
            if (options_.startHelper)
                helper = options_.startHelper(plan);
        }

        Outcome outcome = Outcome::Completed;
        bool complete = false;
        if (options_.streamBudget > Clock::duration::zero())
            outcome = options_.texts && orderIsCurrent() ? streamTexts(&complete) : stream(&complete);
        // While the helper scans, bring the history order up to date (after a change to the
        // database or another clipboard), then join the scan.
        if (outcome == Outcome::Completed && !complete && !streamToEnd)
            outcome = updateOrder();
        if (outcome != Outcome::Completed || complete || streamToEnd) {
            pass_.done = true;
            if (helper.valid())
                helper.wait();
            return outcome;
        }

        std::vector<qint64> ids;
        outcome = scanChunks(reader_, pass_, plan, ids);
        if (helper.valid()) {
            auto [helperOutcome, helperIds] = helper.get();
            if (outcome == Outcome::Completed)
                outcome = helperOutcome;
            ids.insert(ids.end(), helperIds.begin(), helperIds.end());
        }
        if (outcome != Outcome::Completed)
            return outcome;
        results_ = {};
        results_.reserve(qsizetype(ids.size()), qsizetype(ids.size()) * 36);
        HitSet hits;
        hits.build(std::move(ids), plan.minId, plan.maxId);
        const DateOrder& order = reader_.order;
        for (qsizetype i = 0; i < order.size(); ++i) {
            if ((i & 4095) == 0 && pass_.cancelled())
                return Outcome::Cancelled;
            if (!hits.contains(order.id(i)) || !accept(order, i))
                continue;
            if (options_.limit > 0 && results_.size() >= options_.limit)
                break;
            if (results_.size() == SearchEngine::kFirstScreen)
                reportFirstScreen();
        }
        return Outcome::Completed;
    }

    const SearchResults& results() const { return results_; }

private:
    QString databasePath() const { return QString::fromUtf8(sqlite3_db_filename(reader_.db(), "main")); }

    Outcome planScan(ScanPlan& plan)
    {
        if (const SearchTextArena* texts = options_.texts) {
            plan.arena = texts;
            plan.minId = texts->minId();
            plan.maxId = texts->maxId();
            plan.runs = SearchTextArena::runsOf(reader_.needle);
            plan.chunkSpan = texts->groupCount() / kScanChunks + 1;
            plan.chunks = (texts->groupCount() + plan.chunkSpan - 1) / plan.chunkSpan;
            return Outcome::Completed;
        }
        Statement stmt(
            reader_.db(),
            "SELECT (SELECT min(id) FROM paste_inf_search), (SELECT max(id) FROM paste_inf_search)");
        if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) {
            if (pass_.cancelled())
                return Outcome::Cancelled;
            Log::error(kTag, QStringLiteral("cannot read texts: %1").arg(reader_.errorMessage()));
            return Outcome::Failed;
        }
        if (sqlite3_column_type(stmt.get(), 0) == SQLITE_NULL)
            return Outcome::Completed; // no texts: nothing to scan
        plan.minId = sqlite3_column_int64(stmt.get(), 0);
        plan.maxId = sqlite3_column_int64(stmt.get(), 1);
        // In unsigned arithmetic so that extreme ids cannot overflow.
        const quint64 span = quint64(plan.maxId) - quint64(plan.minId) + 1;
        const quint64 chunkSpan = std::max<quint64>(quint64(kMinChunkSpan), span / quint64(kScanChunks) + 1);
        plan.chunkSpan = qint64(std::min<quint64>(chunkSpan, quint64(std::numeric_limits<qint64>::max())));
        plan.chunks = qint64((span - 1) / quint64(plan.chunkSpan) + 1);
        return Outcome::Completed;
    }

    // As stream(), from the history order read before and the texts in memory.
    Outcome streamTexts(bool* complete)
    {
        const SearchTextArena& texts = *options_.texts;
        const DateOrder& order = reader_.order;
        const Clock::time_point deadline = options_.streamBudget == Clock::duration::max()
                                               ? Clock::time_point::max()
                                               : Clock::now() + options_.streamBudget;
        const qsizetype wanted = options_.limit > 0 ? options_.limit : SearchEngine::kFirstScreen;
        for (qsizetype i = 0; i < order.size(); ++i) {
            if ((i & 15) == 0 && (pass_.cancelled() || pass_.scanned.load(std::memory_order_relaxed) ||
                                  Clock::now() >= deadline)) {
                if (pass_.cancelled())
                    return Outcome::Cancelled;
                reportFirstScreen();
                return Outcome::Completed;
            }
            ++reader_.examined;
            if (!containsNeedle(texts.find(order.id(i)), reader_.needle) || !accept(order, i))
                continue;
            if (results_.size() >= wanted) {
                *complete = options_.limit > 0;
                reportFirstScreen();
                return Outcome::Completed;
            }
        }
        *complete = true;
        return Outcome::Completed;
    }

    // Streams the clipboard in history order, testing text then type, until the first screen is
    // full (or the limit is reached, or the budget is spent). Sets `complete` when it reached the
    // end of the clipboard, in which case the results are final.
    Outcome stream(bool* complete)
    {
        const QByteArray sql =
            "SELECT p.id, p.uuid, p.display_type FROM paste_inf AS p CROSS JOIN paste_inf_search AS t "
            "ON t.id = p.id WHERE p.category_uuid = ?1 AND brimble_contains(t.folded_text) AND "
            "(?2 OR p.date IS NULL OR p.date BETWEEN ?3 AND ?4)" +
            typeFilterSql(query_) + " ORDER BY p.date DESC";
        Statement stmt(reader_.db(), sql);
        if (!stmt) {
            Log::error(kTag, QStringLiteral("cannot search history: %1").arg(reader_.errorMessage()));
            return Outcome::Failed;
        }
        sqlite3_bind_text(stmt.get(), 1, category_.constData(), int(category_.size()), SQLITE_STATIC);
        sqlite3_bind_int(stmt.get(), 2, ruleApplies_ ? 0 : 1);
        sqlite3_bind_int64(stmt.get(), 3, rule_.oldestKeptMs());
        sqlite3_bind_int64(stmt.get(), 4, rule_.newestKeptMs());
        if (options_.streamBudget != Clock::duration::max())
            reader_.deadline = Clock::now() + options_.streamBudget;
        const qsizetype wanted = options_.limit > 0 ? options_.limit : SearchEngine::kFirstScreen;
        int rc;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            if (pass_.cancelled())
                return Outcome::Cancelled;
            if (!accept(sqlite3_column_int64(stmt.get(), 0), displayTypeCode(columnBytes(stmt.get(), 2)),
                        [&] { return columnBytes(stmt.get(), 1); }))
                continue;
            if (results_.size() >= wanted)
                break;
        }
        reader_.deadline = Clock::time_point::max();
        const bool budgetSpent = reader_.deadlinePassed;
        reader_.deadlinePassed = false;
        if (pass_.cancelled())
            return Outcome::Cancelled;
        if (rc == SQLITE_DONE || (options_.limit > 0 && results_.size() >= options_.limit)) {
            *complete = true;
            return Outcome::Completed;
        }
        if (rc != SQLITE_ROW && !(rc == SQLITE_INTERRUPT && budgetSpent)) {
            Log::error(kTag, QStringLiteral("cannot search history: %1").arg(reader_.errorMessage()));
            return Outcome::Failed;
        }
        reportFirstScreen();
        return Outcome::Completed;
    }

    // Every item of the clipboard that passes the type condition, in history order. Without a
    // current history order, the walk that reads it again lists as it goes, so that the first
    // screen and a limited list do not wait for the whole clipboard.
    Outcome list()
    {
        const bool fresh = orderIsCurrent();
        if (pass_.cancelled())
            return Outcome::Cancelled;
        const DateOrder& order = reader_.order;
        qsizetype i = 0;
        auto listUpTo = [&](qsizetype end) {
            for (; i < end; ++i) {
                ++reader_.examined;
                if ((i & 4095) == 0 && pass_.cancelled())
                    return false;
                if (!accept(order, i))
                    continue;
                if (options_.limit > 0 && results_.size() >= options_.limit)
                    return false;
                if (results_.size() == SearchEngine::kFirstScreen)
                    reportFirstScreen();
            }
            return true;
        };
        if (!fresh)
            return readOrder([&] { return listUpTo(order.size()); });
        listUpTo(order.size());
        return pass_.cancelled() ? Outcome::Cancelled : Outcome::Completed;
    }

    // Whether the history order read before is still that of the clipboard; when it is not, the
    // order is restarted at the current version of the database, ready to be read again.
    bool orderIsCurrent()
    {
        DateOrder& order = reader_.order;
        const std::optional<qint64> version = reader_.dataVersion();
        if (version && order.isValidFor(category_, *version, rule_))
            return true;
        if (version && options_.keptOrder && !keptOrderTried_) {
            keptOrderTried_ = true;
            if (takeUpKeptOrder(*version))
                return true;
        }
        order.restart(category_, version.value_or(-1), ruleApplies_);
        return false;
    }

    // The order the last run kept, brought up to date with what the change log says changed
    // since: after a restart, far less to read than the walk of the whole date index. False,
    // with the order left to be read, when it is of another clipboard or cannot be brought up to
    // date exactly.
    bool takeUpKeptOrder(qint64 version)
    {
        const DateOrder& kept = *options_.keptOrder;
        if (kept.category() != category_ || kept.ruleApplies() != ruleApplies_ || !kept.leftOutStaysOut(rule_))
            return false;
        sqlite3* db = reader_.db();
        if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
        const auto end = qScopeGuard([db] { sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr); });
        const std::optional<OrderLog> log = orderLogPosition(db);
        if (!log || log->last < kept.logSeq() ||
            (log->last > kept.logSeq() && (!log->oldestKept || *log->oldestKept > kept.logSeq() + 1)))
            return false;
        struct Arrival
        {
            qint64 id;
            qint64 date;
            quint8 typeCode;
            QByteArray uuid;
        };
        std::unordered_set<qint64> changed;
        std::vector<Arrival> arrivals;
        Statement stmt(db, "SELECT DISTINCT c.id, p.id IS NOT NULL AND p.category_uuid = ?2, p.date, "
                           "p.display_type, p.uuid FROM paste_inf_search_change AS c LEFT JOIN paste_inf AS p "
                           "ON p.id = c.id WHERE c.seq > ?1");
        if (!stmt)
            return false;
        sqlite3_bind_int64(stmt.get(), 1, kept.logSeq());
        sqlite3_bind_text(stmt.get(), 2, category_.constData(), int(category_.size()), SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            changed.insert(sqlite3_column_int64(stmt.get(), 0));
            if (changed.size() > kMaxOrderChanges)
                return false;
            if (!sqlite3_column_int(stmt.get(), 1))
                continue;
            // Undated items sit last in an order of their own: read the order again.
            if (sqlite3_column_type(stmt.get(), 2) == SQLITE_NULL)
                return false;
            arrivals.push_back({sqlite3_column_int64(stmt.get(), 0), sqlite3_column_int64(stmt.get(), 2),
                                displayTypeCode(columnBytes(stmt.get(), 3)), columnBytes(stmt.get(), 4).toByteArray()});
        }
        if (rc != SQLITE_DONE)
            return false;
        // Newest first, as the index lists them; items of one date are in an order of the index's
        // own, so a shared date means reading the order again.
        std::sort(arrivals.begin(), arrivals.end(), [](const Arrival& a, const Arrival& b) { return a.date > b.date; });
        for (size_t i = 1; i < arrivals.size(); ++i)
            if (arrivals[i].date == arrivals[i - 1].date)
                return false;

        DateOrder& order = reader_.order;
        order.restartFrom(kept, version);
        size_t next = 0;
        const auto arrive = [&](const Arrival& a) {
            if (order.admits(a.date, rule_))
                order.append(a.id, a.typeCode, a.uuid, a.date);
        };
        for (qsizetype i = 0; i < kept.size(); ++i) {
            if (changed.count(kept.id(i)))
                continue;
            const std::optional<qint64> date = kept.date(i);
            for (; next < arrivals.size() && (!date || arrivals[next].date > *date); ++next)
                arrive(arrivals[next]);
            if (date && next < arrivals.size() && arrivals[next].date == *date) {
                order.restart(category_, version, ruleApplies_);
                return false;
            }
            if (order.admits(date, rule_))
                order.appendFrom(kept, i);
        }
        for (; next < arrivals.size(); ++next)
            arrive(arrivals[next]);
        order.setLogSeq(log->last);
        order.finish();
        Log::info(kTag, QStringLiteral("history order of %1 items kept from the last run, %2 changed since")
                            .arg(order.size())
                            .arg(changed.size()));
        if (options_.keptOrderTaken)
            options_.keptOrderTaken();
        return true;
    }

    Outcome updateOrder()
    {
        if (orderIsCurrent())
            return Outcome::Completed;
        return readOrder([] { return true; });
    }

    // Reads the clipboard's history order from the date index into the restarted order, calling
    // `more` after every item; it ends the walk early by returning false, which leaves the order
    // incomplete and so not kept.
    template <typename More> Outcome readOrder(More more)
    {
        DateOrder& order = reader_.order;
        // Read before the walk: a change committed meanwhile is logged after it, and applied
        // again (to the same effect) when the order is taken up at the next run.
        order.setLogSeq(orderLogPosition(reader_.db()).value_or(OrderLog{}).last);
        Statement stmt(reader_.db(),
                       "SELECT id, display_type, uuid, date FROM paste_inf WHERE category_uuid = ?1 "
                       "ORDER BY date DESC");
        if (!stmt) {
            Log::error(kTag, QStringLiteral("cannot search history: %1").arg(reader_.errorMessage()));
            return Outcome::Failed;
        }
        sqlite3_bind_text(stmt.get(), 1, category_.constData(), int(category_.size()), SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            const std::optional<qint64> date =
                sqlite3_column_type(stmt.get(), 3) == SQLITE_NULL
                    ? std::nullopt
                    : std::optional<qint64>(sqlite3_column_int64(stmt.get(), 3));
            if (!order.admits(date, rule_))
                continue;
            order.append(sqlite3_column_int64(stmt.get(), 0), displayTypeCode(columnBytes(stmt.get(), 1)),
                         columnBytes(stmt.get(), 2), date);
            if (!more() || ((order.size() & 1023) == 0 && pass_.cancelled()))
                return pass_.cancelled() ? Outcome::Cancelled : Outcome::Completed;
        }
        if (pass_.cancelled())
            return Outcome::Cancelled;
        if (rc != SQLITE_DONE) {
            Log::error(kTag, QStringLiteral("cannot search history: %1").arg(reader_.errorMessage()));
            return Outcome::Failed;
        }
        order.finish();
        return Outcome::Completed;
    }

    // Appends the item when it passes the type condition. `uuid` gives its uuid, which most
    // items that fail need not spell out.
    template <typename Uuid> bool accept(qint64 id, quint8 typeCode, Uuid uuid)
    {
        if (!query_.displayTypes.isEmpty()) {
            const bool wanted = typeCode != 0 ? (wantedCodes_ >> typeCode) & 1
                                              : SearchHelper::typeMatches(query_, classify(uuid()));
            if (!wanted)
                return false;
        }
        results_.append(id, uuid());
        return true;
    }

    bool accept(const DateOrder& order, qsizetype index)
    {
        DateOrder::UuidBuffer buffer;
        return accept(order.id(index), order.typeCode(index), [&] { return order.uuid(index, buffer); });
    }

    std::optional<PasteInfoDisplayType> classify(QByteArrayView uuid)
    {
        if (!canClassify_) {
            if (!warnedUnclassified_)
                Log::warning(kTag,
                             QStringLiteral("unclassified items count as unknown: the store is not open"));
            warnedUnclassified_ = true;
            return std::nullopt;
        }
        return classifyThroughStore(store_, uuid);
    }

    void reportFirstScreen()
    {
        if (firstScreenSent_ || results_.isEmpty() || !options_.firstScreen)
            return;
        firstScreenSent_ = true;
        options_.firstScreen(results_.first(SearchEngine::kFirstScreen));
    }

    CoreDataManager& store_;
    Reader& reader_;
    PassState& pass_;
    QByteArray category_;
    ParsedQuery query_;
    Options options_;
    bool keptOrderTried_ = false;
    SearchResults results_;
    // The display type codes the type condition accepts, as bits.
    quint32 wantedCodes_ = 0;
    RetentionRule rule_;
    bool ruleApplies_ = false;
    bool canClassify_ = false;
    bool warnedUnclassified_ = false;
    bool firstScreenSent_ = false;
};

} // namespace

// ---- SearchEngine

struct SearchEngine::Worker
{
    explicit Worker(const QString& label) : queue(label) {}
    Reader reader;
    // Declared after the reader so that it stops before the connection closes.
    SerialQueue queue;
};

struct SearchEngine::Matcher
{
    Reader reader;
};

// The texts of the searched history held in memory (see SearchTextArena): read on a thread of
// their own after a search has delivered, then kept current by each pass before it scans. Until
// they are there, and whenever they cannot be kept current, passes scan the table.
struct SearchEngine::Texts
{
    // Guards the fields below; a pass holds it only while it brings the texts up to date.
    std::mutex mutex;
    std::shared_ptr<SearchTextArena> arena;
    // The database the texts (or the load under way) are of.
    QString path;
    bool loading = false;
    bool enabled = true;
    // A database whose texts could not be read: passes over it scan the table.
    QString failedPath;
    // Where the texts wait between runs (empty: they do not), and whether this run looked there.
    QString file;
    bool fileTried = false;
    // The history order kept with them, until a pass over its clipboard takes it up.
    std::shared_ptr<const DateOrder> keptOrder;
    // Ends a load under way: the engine goes, or the texts of another database are wanted.
    std::shared_ptr<std::atomic<bool>> stopLoad = std::make_shared<std::atomic<bool>>(false);
    // Declared last so that it stops (finishing a load) before the rest goes.
    std::unique_ptr<Worker> loader = std::make_unique<Worker>(QStringLiteral("paste_search.texts"));
};

struct SearchEngine::Pass
{
    PassState state;
    QString databasePath;
    QString categoryUuid;
    ParsedQuery query;
    std::chrono::milliseconds streamBudget;
};

SearchEngine::SearchEngine(CoreDataManager& store, QObject* parent)
    : QObject(parent), store_(store), streamBudget_(kStreamBudget),
      latest_(std::make_shared<std::atomic<quint64>>(0)), matcher_(std::make_unique<Matcher>()),
      texts_(std::make_unique<Texts>()),
      mainWorker_(std::make_unique<Worker>(QStringLiteral("paste_search"))),
      helperWorker_(std::make_unique<Worker>(QStringLiteral("paste_search.scan")))
{
    qRegisterMetaType<SearchResults>();
}

SearchEngine::~SearchEngine()
{
    cancel();
    {
        // No load starts from here on, and the one under way stops at its next rows.
        std::lock_guard lock(texts_->mutex);
        texts_->enabled = false;
        texts_->stopLoad->store(true);
    }
    // The history order goes with the texts, if they are kept.
    QByteArray order;
    bool keeps = false;
    {
        std::lock_guard lock(texts_->mutex);
        keeps = !texts_->file.isEmpty() && texts_->arena;
    }
    if (keeps)
        order = mainWorker_->queue.sync([this] { return mainWorker_->reader.order.serialize(); });
    mainWorker_.reset();
    helperWorker_.reset();
    texts_->loader.reset();
    // Left for the next run, which then need not read them from the history.
    if (!texts_->file.isEmpty() && texts_->arena && !texts_->arena->damaged()) {
        QString error;
        // The texts are the history's: a folder made for them is the user's alone, as the
        // history's is (one that is there already is left as it is; the file is 0600).
        const QString folder = QFileInfo(texts_->file).absolutePath();
        const bool made = QFileInfo::exists(folder) ||
                          (QDir().mkpath(folder) &&
                           QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const bool kept = made ? texts_->arena->save(texts_->file, texts_->path, order, &error)
                               : (error = QStringLiteral("cannot make the folder %1").arg(folder), false);
        if (kept)
            Log::info(kTag, QStringLiteral("texts of %1 items kept in %2, with a history order of %3 bytes")
                                .arg(texts_->arena->liveCount())
                                .arg(texts_->file)
                                .arg(order.size()));
        else
            Log::warning(kTag, QStringLiteral("texts not kept for the next run: %1").arg(error));
    }
}

void SearchEngine::setHoldsTexts(bool hold)
{
    std::lock_guard lock(texts_->mutex);
    texts_->enabled = hold;
    if (!hold) {
        texts_->arena.reset();
        texts_->stopLoad->store(true);
    }
}

int SearchEngine::keptOrdersTaken() const
{
    return keptOrdersTaken_.load();
}

std::optional<SearchEngine::HeldTexts> SearchEngine::heldTexts() const
{
    std::lock_guard lock(texts_->mutex);
    if (!texts_->arena)
        return std::nullopt;
    return HeldTexts{texts_->arena->liveCount(), texts_->arena->textBytes(),
                     texts_->arena->entryBytes() + texts_->arena->bitmapBytes()};
}

std::shared_ptr<SearchTextArena> SearchEngine::currentTexts(const QString& path, sqlite3* db)
{
    std::lock_guard lock(texts_->mutex);
    if (!texts_->arena && !texts_->file.isEmpty() && texts_->enabled && !texts_->loading && !texts_->fileTried) {
        // The texts the last run left: mapped, and brought up to date, here and now, as that
        // costs far less than the table scan it saves.
        texts_->fileTried = true;
        QString error;
        QByteArray order;
        if (auto opened = SearchTextArena::open(texts_->file, path, db, &order, &error)) {
            Log::info(kTag, QStringLiteral("texts of %1 items mapped from %2").arg(opened->liveCount()).arg(texts_->file));
            if (auto kept = DateOrder::deserialize(order))
                texts_->keptOrder = std::make_shared<const DateOrder>(std::move(*kept));
            texts_->arena = std::move(opened);
            texts_->path = path;
            return texts_->arena;
        }
        if (!error.isEmpty())
            Log::warning(kTag, QStringLiteral("texts read from the history instead: %1").arg(error));
    }
    if (!texts_->arena || texts_->path != path)
        return nullptr;
    QString error;
    switch (texts_->arena->catchUp(db, &error)) {
    case SearchTextArena::CatchUp::Current:
        return texts_->arena;
    case SearchTextArena::CatchUp::Stale:
        // Read again after this pass, which scans the table.
        break;
    case SearchTextArena::CatchUp::Unsupported:
        Log::warning(kTag, QStringLiteral("texts no longer held in memory: %1").arg(error));
        break;
    }
    texts_->arena.reset();
    return nullptr;
}

void SearchEngine::dropTexts(const std::shared_ptr<SearchTextArena>& texts)
{
    std::lock_guard lock(texts_->mutex);
    if (texts_->arena != texts)
        return;
    Log::warning(kTag, QStringLiteral("texts mapped from %1 are damaged: read from the history instead")
                           .arg(texts_->file));
    texts_->arena.reset();
}

QString SearchEngine::defaultTextsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/brimble/search-texts");
}

void SearchEngine::setTextsFile(const QString& file)
{
    std::lock_guard lock(texts_->mutex);
    texts_->file = file;
    texts_->fileTried = false;
}

void SearchEngine::loadTexts(const QString& path)
{
    std::lock_guard lock(texts_->mutex);
    if (!texts_->enabled || path == texts_->failedPath ||
        (texts_->path == path && (texts_->arena || texts_->loading)))
        return;
    texts_->stopLoad->store(true);
    texts_->stopLoad = std::make_shared<std::atomic<bool>>(false);
    texts_->arena.reset();
    texts_->path = path;
    texts_->loading = true;
    Texts* texts = texts_.get();
    // Named here: the engine's destructor empties texts_->loader while this still runs.
    Worker* loader = texts_->loader.get();
    auto stop = texts_->stopLoad;
    loader->queue.async([this, texts, loader, path, stop] {
        // Reading a large history takes a while; searches that come meanwhile go first.
        setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
        Reader& reader = loader->reader;
        QString error;
        std::unique_ptr<SearchTextArena> loaded;
        // Never more than an eighth of the computer's memory: beyond that the table scan it
        // would save is the lesser cost.
        const qint64 maxBytes = qint64(sysconf(_SC_PHYS_PAGES)) * qint64(sysconf(_SC_PAGE_SIZE)) / 8;
        if (!stop->load() && reader.open(path))
            loaded = SearchTextArena::load(
                reader.db(), [&] { return stop->load(); }, maxBytes, &error);
        reader.close();
        {
            std::lock_guard lock(texts->mutex);
            // A newer load owns the state.
            if (texts->stopLoad != stop)
                return;
            texts->loading = false;
            if (stop->load())
                return;
            if (!loaded) {
                Log::warning(kTag, QStringLiteral("texts not held in memory: %1").arg(error));
                texts->failedPath = path;
                return;
            }
            texts->arena = std::move(loaded);
            // Under the lock, so that the engine cannot be going meanwhile.
            QMetaObject::invokeMethod(
                this, [this] { Q_EMIT textsLoaded(); }, Qt::QueuedConnection);
        }
    });
}

void SearchEngine::setDatabasePath(const QString& path)
{
    databasePath_ = path;
}

void SearchEngine::setStreamBudget(std::chrono::milliseconds budget)
{
    streamBudget_ = std::max(budget, std::chrono::milliseconds(0));
}

quint64 SearchEngine::search(const QString& categoryUuid, const QString& queryText)
{
    return search(categoryUuid, SearchHelper::parseQuery(queryText));
}

quint64 SearchEngine::search(const QString& categoryUuid, const ParsedQuery& query)
{
    auto pass = std::make_shared<Pass>();
    pass->state.generation = latest_->fetch_add(1) + 1;
    pass->state.latest = latest_;
    pass->databasePath = databasePath_.isEmpty() ? store_.path() : databasePath_;
    pass->categoryUuid = categoryUuid;
    pass->query = query;
    pass->streamBudget = streamBudget_;
    mainWorker_->queue.async([this, pass] { runPass(pass); });
    return pass->state.generation;
}

void SearchEngine::cancel()
{
    latest_->fetch_add(1);
}

quint64 SearchEngine::currentGeneration() const
{
    return latest_->load();
}

void SearchEngine::deliver(quint64 generation, std::function<void()> emitter)
{
    // Checked again on the GUI thread: a search started after this was queued wins.
    QMetaObject::invokeMethod(
        this,
        [this, generation, emitter = std::move(emitter)] {
            if (latest_->load() == generation)
                emitter();
        },
        Qt::QueuedConnection);
}

void SearchEngine::runPass(const std::shared_ptr<Pass>& pass)
{
    PassState& state = pass->state;
    const quint64 generation = state.generation;
    auto ended = [this, pass, generation](bool completed) {
        const qint64 examined = pass->state.rowsExamined.load();
        QMetaObject::invokeMethod(
            this,
            [this, generation, examined, completed] { Q_EMIT passEnded(generation, examined, completed); },
            Qt::QueuedConnection);
    };
    if (state.cancelled())
        return ended(false);
    if (pass->databasePath.isEmpty() || !mainWorker_->reader.open(pass->databasePath)) {
        if (pass->databasePath.isEmpty())
            Log::error(kTag, QStringLiteral("no history database to search"));
        deliver(generation, [this, generation] { Q_EMIT failed(generation); });
        return ended(false);
    }

    SearchRun::Options options;
    options.streamBudget = pass->streamBudget;
    options.firstScreen = [this, generation](const SearchResults& first) {
        deliver(generation, [this, generation, first] { Q_EMIT firstResults(generation, first); });
    };
    Worker* helperWorker = helperWorker_.get();
    options.startHelper = [pass, helperWorker](ScanPlan& plan) {
        auto promise = std::make_shared<std::promise<std::pair<Outcome, std::vector<qint64>>>>();
        auto future = promise->get_future();
        const QByteArray needle = SearchHelper::foldedNeedle(pass->query);
        helperWorker->queue.async([pass, helperWorker, &plan, promise, needle] {
            Reader& reader = helperWorker->reader;
            std::vector<qint64> ids;
            Outcome outcome = Outcome::Cancelled;
            // A helper that cannot open its connection leaves every chunk to the pass's own thread.
            if (!pass->state.shouldStop() && reader.open(pass->databasePath)) {
                reader.pass = &pass->state;
                reader.needle = needle;
                outcome = scanChunks(reader, pass->state, plan, ids);
                if (outcome == Outcome::Completed)
                    pass->state.scanned = true;
                reader.flushExamined();
                reader.pass = nullptr;
                if (outcome == Outcome::Failed)
                    outcome = Outcome::Completed;
            } else if (!pass->state.shouldStop()) {
                outcome = Outcome::Completed;
            }
            promise->set_value({outcome, std::move(ids)});
        });
        return future;
    };

    std::shared_ptr<SearchTextArena> texts;
    std::shared_ptr<const DateOrder> keptOrder;
    if (!pass->query.text.isEmpty()) {
        texts = currentTexts(pass->databasePath, mainWorker_->reader.db());
        std::lock_guard lock(texts_->mutex);
        if (texts_->keptOrder && texts_->keptOrder->category() == pass->categoryUuid.toUtf8())
            keptOrder = std::exchange(texts_->keptOrder, nullptr);
    }
    options.keptOrder = keptOrder.get();
    options.keptOrderTaken = [this] { keptOrdersTaken_.fetch_add(1); };
    SearchRun::Options tableOptions = options;
    tableOptions.firstScreen = nullptr;
    options.texts = texts.get();

    Outcome outcome;
    SearchResults results;
    {
        SearchRun run(store_, mainWorker_->reader, state, pass->categoryUuid, pass->query,
                      std::move(options));
        outcome = run.run();
        results = run.results();
    }
    // Texts mapped from a file that proved damaged were passed over: the table has them.
    if (texts && texts->damaged()) {
        dropTexts(texts);
        texts.reset();
        if (outcome == Outcome::Completed) {
            state.done = false;
            state.scanned = false;
            SearchRun run(store_, mainWorker_->reader, state, pass->categoryUuid, pass->query,
                          std::move(tableOptions));
            outcome = run.run();
            results = run.results();
        }
    }
    if (outcome == Outcome::Completed) {
        deliver(generation, [this, generation, results] { Q_EMIT finished(generation, results); });
        // Only now, so that reading them never delays what the user waits for.
        if (!texts)
            loadTexts(pass->databasePath);
    } else if (outcome == Outcome::Failed) {
        deliver(generation, [this, generation] { Q_EMIT failed(generation); });
    }
    ended(outcome == Outcome::Completed);
}

std::optional<SearchResults> SearchEngine::searchNow(CoreDataManager& store, const QString& databasePath,
                                                     const QString& categoryUuid, const ParsedQuery& query,
                                                     qsizetype limit)
{
    Reader reader;
    if (!reader.open(databasePath))
        return std::nullopt;
    PassState state;
    state.latest = std::make_shared<std::atomic<quint64>>(0);
    SearchRun::Options options;
    options.limit = limit;
    // With a limit the ordered stream stops as soon as it has enough; without one the scan is cheaper.
    options.streamBudget = limit > 0 ? Clock::duration::max() : Clock::duration::zero();
    // The scan shared with a second thread on a connection of its own, as a pass does.
    Reader helperReader;
    const QByteArray needle = SearchHelper::foldedNeedle(query);
    options.startHelper = [&](ScanPlan& plan) {
        return std::async(std::launch::async, [&]() -> std::pair<Outcome, std::vector<qint64>> {
            std::vector<qint64> ids;
            if (!helperReader.open(databasePath))
                return {Outcome::Completed, std::move(ids)};
            helperReader.needle = needle;
            const Outcome outcome = scanChunks(helperReader, state, plan, ids);
            return {outcome == Outcome::Failed ? Outcome::Completed : outcome, std::move(ids)};
        });
    };
    SearchRun run(store, reader, state, categoryUuid, query, std::move(options));
    if (run.run() != Outcome::Completed)
        return std::nullopt;
    return run.results();
}

std::optional<bool> SearchEngine::matches(const QString& categoryUuid, const ParsedQuery& query, qint64 rowId)
{
    const QString path = databasePath_.isEmpty() ? store_.path() : databasePath_;
    Reader& reader = matcher_->reader;
    if (path.isEmpty() || !reader.open(path))
        return std::nullopt;
    Statement stmt(reader.db(),
                   "SELECT p.category_uuid, p.date, p.display_type, p.uuid, t.folded_text "
                   "FROM paste_inf p LEFT JOIN paste_inf_search t ON t.id = p.id WHERE p.id = ?1");
    if (!stmt) {
        Log::error(kTag, QStringLiteral("cannot search history: %1").arg(reader.errorMessage()));
        return std::nullopt;
    }
    sqlite3_bind_int64(stmt.get(), 1, rowId);
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW) {
        if (rc != SQLITE_DONE)
            Log::error(kTag, QStringLiteral("cannot search history: %1").arg(reader.errorMessage()));
        return std::nullopt;
    }
    const QString category = QString::fromUtf8(columnBytes(stmt.get(), 0));
    if (category != categoryUuid)
        return false;
    const std::optional<qint64> date = sqlite3_column_type(stmt.get(), 1) == SQLITE_NULL
                                           ? std::nullopt
                                           : std::optional<qint64>(sqlite3_column_int64(stmt.get(), 1));
    if (store_.retentionRule().isExpired(category, date))
        return false;
    // The same text test as a pass: the needle in the stored folded text; an item without text
    // matches only a query without text.
    const QByteArray needle = SearchHelper::foldedNeedle(query);
    if (!needle.isEmpty() && !containsNeedle(columnBytes(stmt.get(), 4), needle))
        return false;
    if (query.displayTypes.isEmpty())
        return true;
    const quint8 code = displayTypeCode(columnBytes(stmt.get(), 2));
    const std::optional<PasteInfoDisplayType> type =
        code != 0                        ? std::optional(DisplayType::all().at(code - 1))
        : storeCanClassify(store_, path) ? classifyThroughStore(store_, columnBytes(stmt.get(), 3))
                                         : std::nullopt;
    return SearchHelper::typeMatches(query, type);
}
