#include "SearchTextArena.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The item the log entry `seq` names: 0 for an empty log, -1 when the entry is not kept.
qint64 loggedId(sqlite3* db, qint64 seq)
{
    if (seq == 0)
        return 0;
    Stmt stmt(db, "SELECT id FROM paste_inf_search_change WHERE seq = ?1");
    if (!stmt)
        return -1;
    sqlite3_bind_int64(stmt.get(), 1, seq);
    return sqlite3_step(stmt.get()) == SQLITE_ROW ? sqlite3_column_int64(stmt.get(), 0) : -1;
}

// The texts' file: a header, the texts back to back (group by group, in entry order), the
// entries, the groups and their bitmaps, and what the caller attached. Numbers are in this computer's byte order, which the
// header records.
constexpr char kFileMagic[8] = {'B', 'R', 'M', 'T', 'X', 'T', 0, 1};
constexpr quint64 kByteOrder = 0x0102030405060708ull;
constexpr quint64 kFileVersion = 1;

struct FileHeader
{
    char magic[8];
    quint64 byteOrder;
    quint64 version;
    // The history's file the texts are of.
    quint64 device;
    quint64 inode;
    qint64 lastSeq;
    qint64 lastSeqId;
    quint64 entryCount;
    quint64 sorted;
    quint64 groupCount;
    quint64 bitmapWords;
    quint64 textBytes;
    quint64 attachmentBytes;
    // Of the entries, groups and bitmaps, and of the header before this field.
    quint64 metaHash;
    quint64 headerHash;
};
struct FileEntry
{
    qint64 id;
    quint64 offset;
    quint32 length;
    quint32 live;
};
struct FileGroup
{
    quint64 first;
    quint64 end;
    qint64 textBytes;
    quint64 textBegin;
    quint64 textEnd;
    quint64 textHash;
    qint32 shift;
    quint32 reserved;
};
static_assert(sizeof(FileEntry) == 24 && sizeof(FileGroup) == 56 && sizeof(FileHeader) == 120);

// A plain 64-bit hash over four interleaved lanes (so that it runs at memory speed): each step
// is a bijection of its lane's state, so a changed word always shows in the result.
quint64 hashBytes(const char* data, size_t size, quint64 seed = 0x243F6A8885A308D3ull)
{
    constexpr quint64 k = 0x9E3779B97F4A7C15ull;
    const auto step = [](quint64 h, quint64 word) {
        h = (h ^ word) * k;
        return h ^ (h >> 32);
    };
    quint64 lanes[4] = {seed, seed ^ 1, seed ^ 2, seed ^ 3};
    for (; size >= 32; data += 32, size -= 32) {
        quint64 words[4];
        std::memcpy(words, data, 32);
        for (int i = 0; i < 4; ++i)
            lanes[i] = step(lanes[i], words[i]);
    }
    quint64 h = step(step(step(lanes[0], lanes[1]), lanes[2]), lanes[3]);
    for (; size >= 8; data += 8, size -= 8) {
        quint64 word;
        std::memcpy(&word, data, 8);
        h = step(h, word);
    }
    quint64 tail = 0;
    std::memcpy(&tail, data, size);
    h = step(h, tail ^ (quint64(size) << 56));
    return h ^ (h >> 29);
}

std::optional<std::pair<quint64, quint64>> fileIdentity(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::make_pair(quint64(info.st_dev), quint64(info.st_ino));
}

// Words of a group bitmap, for a valid shift.
constexpr quint64 bitmapWordsOf(int shift)
{
    return quint64(1) << (26 - shift);
}

} // namespace

struct SearchTextArena::Mapping
{
    Mapping(void* address, size_t size) : address(address), size(size) {}
    ~Mapping() { ::munmap(address, size); }
    void* address;
    size_t size;
};

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
    arena->lastSeqId_ = loggedId(db, log->last);
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
    Stmt stmt(db, "SELECT c.id, s.id IS NOT NULL AND s.folded_text IS NOT NULL, s.folded_text, c.seq "
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
    qint64 lastId = -1;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(stmt.get(), 0);
        if (sqlite3_column_int(stmt.get(), 1))
            set(id, columnText(stmt.get(), 2));
        else
            remove(id);
        if (sqlite3_column_int64(stmt.get(), 3) == log->last)
            lastId = id;
    }
    // Half applied: the entries are right for what was applied, but the position is not.
    if (rc != SQLITE_DONE) {
        if (error)
            *error = errorOf(db);
        return CatchUp::Stale;
    }
    lastSeq_ = log->last;
    lastSeqId_ = lastId;
    return wantsReload() ? CatchUp::Stale : CatchUp::Current;
}

QByteArrayView SearchTextArena::find(qint64 id) const
{
    const qsizetype index = indexOf(id);
    if (index < 0 || (spanState_ && !groupIntact(groupIndexOf(size_t(index)))))
        return QByteArrayView();
    return text(index);
}

qsizetype SearchTextArena::groupIndexOf(size_t index) const
{
    const auto it = std::upper_bound(groups_.begin(), groups_.end(), index,
                                     [](size_t value, const Group& g) { return value < g.first; });
    return qsizetype(it - groups_.begin()) - 1;
}

bool SearchTextArena::groupIntact(qsizetype index) const
{
    if (!spanState_ || index < 0 || size_t(index) >= mappedSpans_.size())
        return true;
    std::atomic<quint8>& state = spanState_[size_t(index)];
    quint8 known = state.load(std::memory_order_acquire);
    if (known == 0) {
        const MappedSpan& span = mappedSpans_[size_t(index)];
        known = hashBytes(span.begin, span.size) == span.hash ? 1 : 2;
        state.store(known, std::memory_order_release);
        if (known == 2)
            damaged_.store(true, std::memory_order_relaxed);
    }
    return known == 1;
}

bool SearchTextArena::save(const QString& file, const QString& database, const QByteArray& attachment,
                           QString* error) const
{
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (lastSeqId_ < 0)
        return fail(QStringLiteral("the change log no longer names the last change"));
    const auto identity = fileIdentity(database);
    if (!identity)
        return fail(QStringLiteral("cannot find the history file %1").arg(database));

    const QByteArray target = QFile::encodeName(file);
    const QByteArray temporary = target + ".part";
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(QStringLiteral("cannot create %1: %2").arg(file, QString::fromLocal8Bit(strerror(errno))));
    std::FILE* out = ::fdopen(fd, "wb");
    if (!out) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(QStringLiteral("cannot write %1").arg(file));
    }
    std::vector<char> buffer(size_t(1) << 20);
    std::setvbuf(out, buffer.data(), _IOFBF, buffer.size());
    bool written = true;
    const auto put = [&](const void* data, size_t size) {
        written = written && (size == 0 || std::fwrite(data, 1, size, out) == size);
    };

    FileHeader header{};
    std::memcpy(header.magic, kFileMagic, sizeof kFileMagic);
    header.byteOrder = kByteOrder;
    header.version = kFileVersion;
    header.device = identity->first;
    header.inode = identity->second;
    header.lastSeq = lastSeq_;
    header.lastSeqId = lastSeqId_;
    header.entryCount = entries_.size();
    header.sorted = sorted_;
    header.groupCount = groups_.size();
    put(&header, sizeof header);

    // The texts, group by group; a group's texts are hashed together.
    std::vector<FileEntry> entries(entries_.size());
    std::vector<FileGroup> groups(groups_.size());
    std::string span;
    quint64 offset = 0;
    for (size_t g = 0; g < groups_.size(); ++g) {
        const Group& group = groups_[g];
        span.clear();
        for (size_t i = group.first; i < group.end; ++i) {
            const Entry& e = entries_[i];
            entries[i] = {e.id, e.text ? offset + span.size() : 0, e.text ? e.length : 0, e.text ? 1u : 0u};
            if (e.text)
                span.append(e.text, e.length);
        }
        groups[g] = {group.first, group.end, group.textBytes, offset, offset + span.size(),
                     hashBytes(span.data(), span.size()), group.shift, 0};
        put(span.data(), span.size());
        offset += span.size();
        header.bitmapWords += bitmapWordsOf(group.shift);
    }
    header.textBytes = offset;
    quint64 meta = hashBytes(reinterpret_cast<const char*>(entries.data()), entries.size() * sizeof(FileEntry));
    meta = hashBytes(reinterpret_cast<const char*>(groups.data()), groups.size() * sizeof(FileGroup), meta);
    put(entries.data(), entries.size() * sizeof(FileEntry));
    put(groups.data(), groups.size() * sizeof(FileGroup));
    std::vector<quint64> bits;
    bits.reserve(size_t(header.bitmapWords));
    for (const Group& group : groups_)
        bits.insert(bits.end(), group.bits.get(), group.bits.get() + bitmapWordsOf(group.shift));
    put(bits.data(), bits.size() * sizeof(quint64));
    meta = hashBytes(reinterpret_cast<const char*>(bits.data()), bits.size() * sizeof(quint64), meta);
    put(attachment.constData(), size_t(attachment.size()));
    header.attachmentBytes = quint64(attachment.size());
    header.metaHash = hashBytes(attachment.constData(), size_t(attachment.size()), meta);
    header.headerHash = hashBytes(reinterpret_cast<const char*>(&header), offsetof(FileHeader, headerHash));
    written = written && std::fflush(out) == 0 &&
              ::pwrite(fd, &header, sizeof header, 0) == ssize_t(sizeof header);
    written = std::fclose(out) == 0 && written;
    if (!written || ::rename(temporary.constData(), target.constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(strerror(errno));
        ::unlink(temporary.constData());
        return fail(QStringLiteral("cannot write %1: %2").arg(file, reason));
    }
    return true;
}

std::unique_ptr<SearchTextArena> SearchTextArena::open(const QString& file, const QString& database,
                                                       sqlite3* db, QByteArray* attachment, QString* error)
{
    const auto fail = [&](const QString& reason) -> std::unique_ptr<SearchTextArena> {
        if (error)
            *error = reason;
        return nullptr;
    };
    const QByteArray path = QFile::encodeName(file);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno == ENOENT ? QString() : QStringLiteral("cannot open %1: %2").arg(file, QString::fromLocal8Bit(strerror(errno))));
    // Read once: the next run reads the history instead (and writes a new file when it goes).
    ::unlink(path.constData());
    struct stat info;
    const bool sized = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && quint64(info.st_size) >= sizeof(FileHeader);
    void* address = sized ? ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (address == MAP_FAILED)
        return fail(QStringLiteral("%1 is not a texts file").arg(file));
    auto arena = std::make_unique<SearchTextArena>();
    arena->mapping_ = std::make_unique<Mapping>(address, size_t(info.st_size));
    const char* base = static_cast<const char*>(address);
    const quint64 fileSize = quint64(info.st_size);
    const auto damaged = [&](const char* what) { return fail(QStringLiteral("%1 is damaged (%2)").arg(file, QLatin1String(what))); };

    FileHeader header;
    std::memcpy(&header, base, sizeof header);
    if (std::memcmp(header.magic, kFileMagic, sizeof kFileMagic) != 0 || header.byteOrder != kByteOrder ||
        header.version != kFileVersion)
        return fail(QStringLiteral("%1 is not a texts file of this version").arg(file));
    if (header.headerHash != hashBytes(reinterpret_cast<const char*>(&header), offsetof(FileHeader, headerHash)))
        return damaged("header");
    const auto identity = fileIdentity(database);
    if (!identity || identity->first != header.device || identity->second != header.inode)
        return fail(QStringLiteral("%1 is of another history file").arg(file));

    // Every size is checked against what is left of the file before it is used.
    quint64 left = fileSize - sizeof header;
    if (header.textBytes > left)
        return damaged("texts");
    left -= header.textBytes;
    if (header.entryCount > left / sizeof(FileEntry))
        return damaged("entries");
    left -= header.entryCount * sizeof(FileEntry);
    if (header.groupCount > left / sizeof(FileGroup))
        return damaged("groups");
    left -= header.groupCount * sizeof(FileGroup);
    if (header.attachmentBytes > left)
        return damaged("attachment");
    left -= header.attachmentBytes;
    if (header.bitmapWords != left / sizeof(quint64) || left % sizeof(quint64) != 0)
        return damaged("bitmaps");
    const char* texts = base + sizeof header;
    const char* entriesAt = texts + header.textBytes;
    const char* groupsAt = entriesAt + header.entryCount * sizeof(FileEntry);
    const char* bitsAt = groupsAt + header.groupCount * sizeof(FileGroup);
    const char* attachedAt = bitsAt + header.bitmapWords * sizeof(quint64);
    quint64 meta = hashBytes(entriesAt, header.entryCount * sizeof(FileEntry));
    meta = hashBytes(groupsAt, header.groupCount * sizeof(FileGroup), meta);
    meta = hashBytes(bitsAt, header.bitmapWords * sizeof(quint64), meta);
    if (hashBytes(attachedAt, header.attachmentBytes, meta) != header.metaHash)
        return damaged("checksum");
    if (header.sorted > header.entryCount || (header.entryCount == 0) != (header.groupCount == 0))
        return damaged("counts");

    arena->entries_.resize(size_t(header.entryCount));
    for (size_t i = 0; i < arena->entries_.size(); ++i) {
        FileEntry e;
        std::memcpy(&e, entriesAt + i * sizeof e, sizeof e);
        if (e.live > 1 || (e.live && (e.offset > header.textBytes || e.length > header.textBytes - e.offset)) ||
            (i > 0 && i < header.sorted && e.id <= arena->entries_[i - 1].id))
            return damaged("entry");
        arena->entries_[i] = {e.id, e.live ? texts + e.offset : nullptr, e.live ? e.length : 0};
        arena->minId_ = i == 0 ? e.id : std::min(arena->minId_, e.id);
        arena->maxId_ = i == 0 ? e.id : std::max(arena->maxId_, e.id);
        if (e.live) {
            ++arena->liveCount_;
            arena->liveBytes_ += e.length;
        }
    }
    arena->sorted_ = size_t(header.sorted);
    arena->groups_.resize(size_t(header.groupCount));
    arena->mappedSpans_.resize(size_t(header.groupCount));
    quint64 words = 0;
    for (size_t g = 0; g < arena->groups_.size(); ++g) {
        FileGroup f;
        std::memcpy(&f, groupsAt + g * sizeof f, sizeof f);
        const quint64 expectedFirst = g == 0 ? 0 : arena->groups_[g - 1].end;
        if (f.first != expectedFirst || f.end <= f.first || f.end > header.entryCount || f.shift < 0 ||
            f.shift > 26 || f.textBegin > f.textEnd || f.textEnd > header.textBytes ||
            bitmapWordsOf(f.shift) > header.bitmapWords - words)
            return damaged("group");
        // A group's check covers every text it holds.
        for (size_t i = f.first; i < f.end; ++i) {
            const Entry& e = arena->entries_[i];
            if (e.text && (quint64(e.text - texts) < f.textBegin || quint64(e.text - texts) + e.length > f.textEnd))
                return damaged("group texts");
        }
        Group& group = arena->groups_[g];
        group.first = f.first;
        group.end = f.end;
        group.textBytes = f.textBytes;
        group.shift = f.shift;
        const size_t groupWords = size_t(bitmapWordsOf(f.shift));
        group.bits = std::make_unique_for_overwrite<quint64[]>(groupWords);
        std::memcpy(group.bits.get(), bitsAt + words * sizeof(quint64), groupWords * sizeof(quint64));
        arena->bitmapBytes_ += qint64(groupWords * sizeof(quint64));
        words += groupWords;
        arena->mappedSpans_[g] = {texts + f.textBegin, size_t(f.textEnd - f.textBegin), f.textHash};
    }
    if (!arena->groups_.empty() && arena->groups_.back().end != header.entryCount)
        return damaged("groups");
    arena->spanState_ = std::make_unique<std::atomic<quint8>[]>(arena->groups_.size());
    arena->mappedTextBytes_ = qint64(header.textBytes);
    arena->blockBytes_ = 0;

    // Still the history the texts were saved from, at a point its log still reaches.
    {
        ReadTransaction transaction(db);
        const std::optional<LogState> log = transaction.active() ? readLogState(db) : std::nullopt;
        if (!log)
            return fail(QStringLiteral("the history keeps no change log of its texts"));
        if (log->last < header.lastSeq || loggedId(db, header.lastSeq) != header.lastSeqId)
            return fail(QStringLiteral("%1 does not match the history's change log").arg(file));
    }
    arena->lastSeq_ = header.lastSeq;
    arena->lastSeqId_ = header.lastSeqId;
    if (attachment)
        *attachment = QByteArray(attachedAt, qsizetype(header.attachmentBytes));
    QString why;
    if (arena->catchUp(db, &why) != CatchUp::Current)
        return fail(QStringLiteral("%1 is too far behind the history%2").arg(file, why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    return arena;
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
        // Logged for another reason (it moved in the history order) or twice.
        if (e.text && QByteArrayView(e.text, e.length) == text)
            return;
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
