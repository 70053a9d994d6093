#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;

// Every item's searchable text (the folded text of paste_inf_search) held in memory, so that a
// scan reads memory at full speed instead of walking the table. The texts sit back to back in
// large blocks; an entry per item (24 bytes) names its row id and where its text is. Entries are
// in row-id order, apart from a short tail of items that came back with older ids (an undo).
//
// Runs of entries (about 64 KB of text, or one larger text) form groups, each with a bitmap of
// the three-byte runs its texts hold (one bit per eight bytes of text). A needle with a run no
// group's bitmap has cannot be in that group's texts, so a search for a rare word reads few.
//
// It is derived data only. It is read from a history through one read connection, and kept
// current from the history's change log (paste_inf_search_change, written by triggers in the
// same transaction as every change to the texts, whoever makes it). When the log cannot tell
// what changed (it is missing, was damaged, or lost entries this copy had not seen), catchUp()
// says so and the caller reads the texts again, searching the table meanwhile.
//
// Between runs the texts can wait in a file of their own (save() when the engine goes, open() at
// the next run's first search): the file is mapped, not read, so a first search after a restart
// reads the texts in one sweep of one file rather than from all over the history, and their pages
// belong to the page cache, which the system can take back. The file lives only while Brimble does
// not run: open() removes it, so nothing an item's deletion erased lingers there.
//
// Not thread-safe: one thread at a time changes it; any number may read it while none does.
// groupIntact() and find() may be called from any number of readers.
class SearchTextArena
{
public:
    enum class CatchUp
    {
        // Holds every text as the history does now.
        Current,
        // Missed changes, or holds much that is gone: read it again.
        Stale,
        // The history keeps no change log (an older or damaged file): it cannot be kept current.
        Unsupported,
    };

    struct Entry
    {
        qint64 id = 0;
        // Null once the item's text is gone.
        const char* text = nullptr;
        quint32 length = 0;
    };

    SearchTextArena();
    ~SearchTextArena();
    SearchTextArena(const SearchTextArena&) = delete;
    SearchTextArena& operator=(const SearchTextArena&) = delete;

    // Reads every text through `db` in one read transaction. Null when `stop` returns true
    // (asked every few thousand rows), the texts take more than `maxBytes`, or the history
    // cannot be read or keeps no change log; the reason, if any, goes to `error`.
    static std::unique_ptr<SearchTextArena> load(sqlite3* db, const std::function<bool()>& stop,
                                                 qint64 maxBytes, QString* error);

    // Applies what the change log recorded since the texts were read or last caught up.
    CatchUp catchUp(sqlite3* db, QString* error);

    // Writes the texts to `file` (replaced whole, readable by the user alone) for the next run.
    // `database` is the history they were read from. False, with the reason, when it cannot.
    // `attachment` goes along (under the same checks) for whoever opens the file.
    bool save(const QString& file, const QString& database, const QByteArray& attachment, QString* error) const;
    // Maps the texts save() wrote for `database` and brings them up to date through `db`. Null,
    // with the reason, when there is no file or it is of another history, damaged, or older than
    // the change log still tells. The file is removed in any case.
    static std::unique_ptr<SearchTextArena> open(const QString& file, const QString& database, sqlite3* db,
                                                 QByteArray* attachment, QString* error);
    // False once a group's texts, as mapped from a file, proved not to be what was written: the
    // group is then passed over and damaged() turns true (a search must scan the table instead).
    // Checked the first time it is asked, at any reader.
    bool groupIntact(qsizetype index) const;
    bool damaged() const { return damaged_.load(std::memory_order_relaxed); }
    // The texts' bytes that are mapped from a file (part of textBytes()).
    qint64 mappedTextBytes() const { return mappedTextBytes_; }

    qsizetype size() const { return qsizetype(entries_.size()); }
    const Entry& entry(qsizetype index) const { return entries_[size_t(index)]; }
    QByteArrayView text(qsizetype index) const
    {
        const Entry& e = entries_[size_t(index)];
        return QByteArrayView(e.text, e.length);
    }
    qint64 minId() const { return minId_; }
    qint64 maxId() const { return maxId_; }
    // Items holding a text.
    qsizetype liveCount() const { return liveCount_; }
    // Memory held: the texts' blocks, and the entries alone (what it costs per item beyond the
    // texts themselves).
    qint64 textBytes() const { return blockBytes_ + mappedTextBytes_; }
    qint64 entryBytes() const { return qint64(entries_.capacity() * sizeof(Entry)); }

    // The text of row `id`, or a null view when it has none here (or its group is damaged).
    QByteArrayView find(qint64 id) const;

    // The three-byte runs of a needle, as the groups' bitmaps know them (none for a needle
    // shorter than three bytes, which every group may hold).
    using Runs = std::vector<quint32>;
    static Runs runsOf(QByteArrayView needle);
    qsizetype groupCount() const { return qsizetype(groups_.size()); }
    // Entries [first, end) of group `index`.
    std::pair<qsizetype, qsizetype> groupEntries(qsizetype index) const
    {
        const Group& g = groups_[size_t(index)];
        return {qsizetype(g.first), qsizetype(g.end)};
    }
    // False when the group's texts cannot hold a needle of these runs.
    bool groupMayHold(qsizetype index, const Runs& runs) const;
    // How much text a group takes before the next one starts (64 KB); tests make it small so
    // that a small history has many groups. Applies to texts added afterwards.
    static void setGroupTextBytes(qint64 bytes);
    // Memory of the groups' bitmaps.
    qint64 bitmapBytes() const { return bitmapBytes_; }

private:
    struct Group
    {
        size_t first = 0;
        size_t end = 0;
        qint64 textBytes = 0;
        // Bits in the bitmap: 1 << (32 - shift).
        int shift = 32;
        std::unique_ptr<quint64[]> bits;
    };
    // A group's texts in a mapped file: where they are and what they hash to.
    struct MappedSpan
    {
        const char* begin = nullptr;
        size_t size = 0;
        quint64 hash = 0;
    };
    struct Mapping;

    void append(qint64 id, QByteArrayView text);
    void mark(Group& group, QByteArrayView text);
    Group& groupOf(size_t index);
    qsizetype groupIndexOf(size_t index) const;
    void set(qint64 id, QByteArrayView text);
    void remove(qint64 id);
    const char* store(QByteArrayView text);
    qsizetype indexOf(qint64 id) const;
    bool wantsReload() const;

    std::vector<Entry> entries_;
    std::vector<Group> groups_;
    qint64 bitmapBytes_ = 0;
    // entries_[0, sorted_) are in id order; the rest is a short unsorted tail.
    size_t sorted_ = 0;
    qint64 minId_ = 0;
    qint64 maxId_ = -1;
    qsizetype liveCount_ = 0;
    std::vector<std::unique_ptr<char[]>> blocks_;
    // The block small texts go into, and how much of it they fill.
    char* open_ = nullptr;
    size_t openUsed_ = 0;
    qint64 blockBytes_ = 0;
    qint64 liveBytes_ = 0;
    qint64 deadBytes_ = 0;
    // The last change-log entry applied, and the item it named (-1: not known).
    qint64 lastSeq_ = 0;
    qint64 lastSeqId_ = -1;

    // Set when the first groups' texts are mapped from a file.
    std::unique_ptr<Mapping> mapping_;
    std::vector<MappedSpan> mappedSpans_;
    // Per mapped group: 0 not yet checked, 1 intact, 2 damaged.
    std::unique_ptr<std::atomic<quint8>[]> spanState_;
    qint64 mappedTextBytes_ = 0;
    mutable std::atomic<bool> damaged_{false};
};
