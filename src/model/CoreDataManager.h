#pragma once

#include "model/HistoryChange.h"
#include "model/IgnoredAppInfModel.h"
#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"
#include "model/RetentionRule.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class SerialQueue;
struct sqlite3;

// The single gateway to the history database (SQLite, WAL journal). Every operation runs on
// one serial store queue that owns the connection; a caller on another thread waits for its
// result. Queued operations return at once and run later, in order.
class CoreDataManager : public QObject
{
    Q_OBJECT
public:
    // One per history file; the application makes one at start-up and hands it to the parts
    // that need it. It must outlive everything that queues work on it.
    CoreDataManager();
    ~CoreDataManager();
    CoreDataManager(const CoreDataManager&) = delete;
    CoreDataManager& operator=(const CoreDataManager&) = delete;

    // Opens (creating when absent) the database and brings its schema up to date. False with
    // a description in `error` when the file cannot be opened, is not a Brimble database, is
    // corrupt or comes from a newer Brimble; the file is then left untouched.
    bool open(const QString& path, QString* error = nullptr);
    // Opens an existing database for reading only, beside a running Brimble (WAL lets both
    // work): never creates, migrates or writes the file. Writes then fail and are logged.
    bool openReadOnly(const QString& path, QString* error = nullptr);
    void close();
    bool isOpen() const;
    bool isReadOnly() const;
    QString path() const;

    // Standard location: $XDG_DATA_HOME/brimble/Brimble.sqlite
    static QString defaultPath();

    // Damage found while running. The first statement that finds the file corrupt stops every
    // write (the file is left as it is, and not checkpointed on close) and damageFound() is
    // emitted once, from the store queue, with a message for the user naming the file. Reads go
    // on. A listener that comes later reads damageMessage().
    bool isDamaged() const;
    // The message damageFound() told; empty while the file is sound.
    QString damageMessage() const;

    // No room left on the disk (or in the user's quota). A copy that cannot be written waits in
    // memory, within a budget, and the waiting copies go out in the order they were made with the
    // next copy that finds room, at a retry, or at the quit-time save. spaceChanged() is emitted
    // from the store queue: once when writes start failing for lack of room, with the cause, and
    // once when they work again.
    struct SpaceReport
    {
        bool full = false;
        QString reason;  // what the failing write met (when full)
        int written = 0; // copies that waited and are now stored (when room is back)
        int lost = 0;    // copies dropped since the disk filled: the waiting ones passed the budget
    };
    bool isOutOfSpace() const;
    int waitingCopies() const;
    // Tries to write the waiting copies now (queued).
    void retryWaitingCopies();

    // Observers of committed changes to the history, called on the store queue after each
    // commit, in commit order; they hop to their own thread. Returns a key for removal.
    using ChangeObserver = std::function<void(const HistoryChange& change)>;
    int addChangeObserver(ChangeObserver observer);
    void removeChangeObserver(int key);

    // History items
    void insertPasteInf(const PasteInfModel& model);
    void updatePasteInf(const std::optional<PasteInfModel>& model); // queued
    void deletePasteInf(const PasteInfModel& model);
    // Every item of a clipboard (queued); `keepForUndo` and `done` as for deletePasteInfIds.
    using Completion = std::function<void(bool committed)>;
    void deletePasteInfs(const std::optional<PasteCategoryInfModel>& category, bool keepForUndo = false,
                         Completion done = {});
    QList<PasteInfModel> fetchPasteInfs(const std::optional<PasteCategoryInfModel>& category);
    int countPasteInfs(const std::optional<PasteCategoryInfModel>& category);
    std::optional<PasteInfModel> fetchPasteInf(const QString& uuid);
    // The stored content of one item; what a loaded model's lazy content calls.
    std::optional<PasteboardItems> fetchPasteboardItems(const QString& uuid);
    // Reads the content of many listed models in a few store steps instead of one step per
    // item, for a pass over a whole clipboard. Models whose content is loaded are left alone.
    void preloadContent(QList<PasteInfModel>& models);
    // The stored plain text of an item's first clipboard item, absent when it has none.
    std::optional<QString> fetchPlainText(const QString& uuid);
    // Records a classification (queued); writes only the two columns, never the content.
    void updateDisplayType(const QString& uuid, PasteInfoDisplayType type, const QString& pasteboardType);

    // Operations on many items by row id. Each is queued (the caller never waits), runs as one
    // transaction and reports on the store queue: `done` gets whether it committed. Moves write
    // only the date and clipboard columns (content is never re-encoded). `ids` are given in the
    // order they are to keep, first the newest; ids that are gone are skipped. With
    // `keepForUndo` what they change is kept for undoLastChange (nothing changes when it cannot
    // be kept).
    void deletePasteInfIds(const QList<qint64>& ids, Completion done = {}, bool keepForUndo = false);
    // Makes them the newest of their clipboard (of `categoryUuid`, when given, moving them
    // there): dated now, or just after the clipboard's newest when that is later.
    void movePasteInfsToTop(const QList<qint64>& ids, const std::optional<QString>& categoryUuid = {},
                            Completion done = {}, bool keepForUndo = false);
    // Puts back what the last change made with `keepForUndo` changed, and forgets it: deleted
    // items with their ids (a new one when a newer item took it), uuids, dates, clipboards and
    // every byte of their content; moved items at their old dates in their old clipboards; a
    // replaced item in the place of its replacement, which goes. Each kept change replaces the
    // one before; the record lasts while the store stays open. Items whose clipboard is gone or
    // whose uuid is back stay out (a replacement then stays). `done` gets the number of items
    // put back (0 when nothing was kept, -1 when it failed), on the store queue.
    void undoLastChange(std::function<void(qint64 restored)> done = {});
    // An edited text stored as an item of its own (queued), by the path a copy takes. As the
    // newest of the model's clipboard: dated now, or just after the clipboard's newest when
    // that is later. `done` as for deletePasteInfIds.
    void insertPasteInfAtTop(const PasteInfModel& model, Completion done = {});
    // Puts `replacement` in the place of the item `originalUuid`, in one transaction: it takes
    // that item's date and clipboard (whatever the model says), and the item goes. With
    // `keepForUndo` undoLastChange brings the item back and takes the replacement out.
    enum class ReplaceResult
    {
        replaced,
        originalGone, // nothing changed
        failed,       // nothing changed
    };
    void replacePasteInf(const QString& originalUuid, const PasteInfModel& replacement,
                         std::function<void(ReplaceResult)> done = {}, bool keepForUndo = false);
    // Items per clipboard uuid as of the last commit, expired ones left out; counted on the
    // store's reader thread, where `done` is called.
    void countPasteInfsPerCategory(std::function<void(const QHash<QString, qint64>& counts)> done);

    // Content on demand for lists: read on the store's reader thread (a read-only connection of
    // its own, so captures are not held up) through a cache within a byte budget; `done` is
    // called on that thread, absent when the item is gone or its content cannot be read.
    // `keep` off reads past the cache without filling it: a thumbnail wants the bytes once, and
    // scrolling through images would otherwise push out what a paste or preview reads again.
    void loadContent(qint64 id, std::function<void(const std::optional<PasteboardItems>& items)> done,
                     bool keep = true);
    void setContentCacheBudget(qint64 bytes);
    // The start of an item's stored plain text, for showing a long text before it is read in
    // full: at most `maxBytes` of its UTF-8 (never half a character), with the whole text's size
    // in bytes. Only the pages of that start are read, however long the text. On the reader
    // thread like loadContent; absent when the item has no plain text or it cannot be read.
    struct TextStart
    {
        QString text;
        qint64 totalBytes = 0;
    };
    void loadTextStart(qint64 id, qsizetype maxBytes,
                       std::function<void(const std::optional<TextStart>&)> done);

    // Clipboards
    void insertCategory(const PasteCategoryInfModel& model);
    void updateCategory(const std::optional<PasteCategoryInfModel>& model); // queued
    void deleteCategory(const PasteCategoryInfModel& model);                // queued
    QList<PasteCategoryInfModel> fetchCategories();

    // Ignore rules
    void insertIgnoredApp(const IgnoredAppInfModel& model);
    void insertIgnoredApps(const QList<IgnoredAppInfModel>& models);
    void deleteIgnoredApps(const QList<IgnoredAppInfModel>& models);
    QList<IgnoredAppInfModel> fetchIgnoredApps();

    // Start-up
    void ensureDefaultCategory();

    // Waits for queued operations and writes everything out (the quit-time save): the copies
    // waiting for room, then the journal into the file, leaving it empty. False when something
    // could not be written.
    bool save();
    // Runs a block on the store queue after everything queued before it.
    void perform(std::function<void()> block);
    // Waits until every queued operation has run.
    void waitForQueued();
    // Runs the block on the store queue inside one transaction and waits for it: the store
    // operations it calls commit together (a bulk import). False when the commit failed.
    bool performBatch(const std::function<void()>& block);
    // As performBatch, but all or nothing: when the block returns false or a store operation
    // in it fails, everything it wrote is rolled back and no observer is told. False then.
    bool performAtomically(const std::function<bool()>& block);

    // The retention rule of the default clipboard. Loading filters by it; only the sweep
    // deletes.
    bool isExpired(const PasteInfModel& model) const;
    // Deletes the expired items, in one transaction (queued). The application runs it at start,
    // hourly, when the retention changes and when a clipboard's history is opened; `done` gets
    // the number deleted (-1 when the sweep failed), on the store queue.
    void sweepExpired(std::function<void(qint64 deleted)> done = {});
    // The retention level (the preference's value) the rule uses; set once at start-up. Without
    // one nothing expires.
    using RetentionLevelProvider = std::function<qint64()>;
    void setRetentionLevelProvider(RetentionLevelProvider provider);
    // The rule as of now().
    RetentionRule retentionRule() const;

    // How long a secret is kept, in seconds, in any clipboard; zero or less (or no provider)
    // keeps it. Set once at start-up.
    using SecretLifetimeProvider = std::function<qint64()>;
    void setSecretLifetimeProvider(SecretLifetimeProvider provider);
    // Deletes the secrets older than their lifetime, in one transaction (queued). The
    // application runs it every few seconds while secrets have a lifetime, and when the
    // lifetime changes; `done` as for sweepExpired.
    void sweepSecrets(std::function<void(qint64 deleted)> done = {});

    // Text in images. Every item is looked at once, newest first: items without an image are
    // settled at once, images are read by the image text reader.
    enum class ImageTextState
    {
        NoImage = 0, // nothing to read
        Read = 1,    // read; the text (maybe none) is kept
        Skipped = 2, // too large, or not decodable
    };
    struct ImageToRead
    {
        qint64 id = 0;
        QString uuid;
    };
    // The newest image not read yet; absent when none is left (or the store is not writable).
    std::optional<ImageToRead> nextImageToRead();
    // Keeps what reading an image found; the text joins the item's search text. Waits.
    bool recordImageText(qint64 id, ImageTextState state, const QString& text = {});

    // The clock the retention rule and record dates use; tests set it.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock);
    QDateTime now() const;

Q_SIGNALS:
    void damageFound(const QString& message);
    void spaceChanged(const CoreDataManager::SpaceReport& report);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
