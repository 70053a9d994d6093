#pragma once

#include "model/SearchHelper.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class CoreDataManager;
class SerialQueue;
class SearchTextArena;
struct sqlite3;

// The matches of one search in history order (newest first): each match's store row id and
// uuid. The uuids share one buffer, so even a million matches stay a few tens of megabytes.
class SearchResults
{
public:
    qsizetype size() const { return rowIds_.size(); }
    bool isEmpty() const { return rowIds_.isEmpty(); }
    qint64 rowId(qsizetype index) const { return rowIds_.at(index); }
    const QList<qint64>& rowIds() const { return rowIds_; }
    QString uuid(qsizetype index) const;
    // The uuids of matches [from, from + count), or from `from` to the end for a negative count.
    QStringList uuids(qsizetype from = 0, qsizetype count = -1) const;
    // The first `count` matches.
    SearchResults first(qsizetype count) const;

    void append(qint64 rowId, QByteArrayView uuid);
    // Room for `count` matches whose uuids take `uuidBytes` in all.
    void reserve(qsizetype count, qsizetype uuidBytes);

    bool operator==(const SearchResults&) const = default;

private:
    QList<qint64> rowIds_;
    QList<qsizetype> uuidEnds_;
    QByteArray uuidBytes_;
};
Q_DECLARE_METATYPE(SearchResults)

// Runs the search language over one clipboard's stored history, off the GUI thread, with its
// own read-only connections to the history database (the store's queue is never used).
//
// Create it on the GUI thread and call search() there. A pass streams the clipboard in history
// order and reports a first screenful as soon as it has one, then scans the texts on two threads
// and reports the complete list. Starting a search cancels the running pass: it stops at its next
// row, and nothing of it is delivered after search() returns. Results name rows, not models:
// callers map the row ids or uuids back to their own list, or fetch the few they show.
//
// An empty query (no text, no types) lists the whole clipboard; the quick search window shows its
// own list instead and does not ask.
class SearchEngine : public QObject
{
    Q_OBJECT
public:
    // What fills the first screen of the result list.
    static constexpr qsizetype kFirstScreen = 20;

    // The store's file is searched unless told otherwise; its retention rule applies and it
    // classifies what is not classified yet. It must outlive the engine.
    explicit SearchEngine(CoreDataManager& store, QObject* parent = nullptr);
    ~SearchEngine() override;

    // The database to search; an empty path (the default) means the file the store has open.
    void setDatabasePath(const QString& path);
    // How long a pass may stream in history order looking for its first screenful before it
    // scans instead (8 ms by default; zero scans at once).
    void setStreamBudget(std::chrono::milliseconds budget);

    // Starts a search of the clipboard `categoryUuid`; returns the pass's generation, which every
    // signal of the pass carries.
    quint64 search(const QString& categoryUuid, const QString& queryText);
    quint64 search(const QString& categoryUuid, const ParsedQuery& query);
    // Stops the running pass; nothing more of it is delivered.
    void cancel();
    quint64 currentGeneration() const;

    // Whether the engine reads the history's texts into memory after its first search, so that
    // later ones scan memory (true by default). Off drops what it holds.
    void setHoldsTexts(bool hold);
    // Where the held texts wait between runs: written there when the engine goes, mapped from
    // there (and the file removed) by the next engine's first search, so that a first search after
    // a restart need not read the texts from all over the history. Empty (the default): nowhere.
    void setTextsFile(const QString& file);
    // The user's texts file, in the cache folder (the texts are derived data, rebuilt when gone).
    static QString defaultTextsFile();
    struct HeldTexts
    {
        qint64 items = 0;
        qint64 textBytes = 0;
        // What the entries naming the texts and the groups' bitmaps take, beyond the texts.
        qint64 entryBytes = 0;
    };
    // What it holds now, for diagnostics, tests and benchmarks.
    std::optional<HeldTexts> heldTexts() const;
    // How many passes took up the history order the last run kept with the texts, instead of
    // reading it (for tests and benchmarks).
    int keptOrdersTaken() const;

    // A search on the calling thread, for the command line: at most `limit` matches (all for
    // limit <= 0). Absent, with the reason logged, when the database cannot be read.
    static std::optional<SearchResults> searchNow(CoreDataManager& store, const QString& databasePath,
                                                  const QString& categoryUuid, const ParsedQuery& query,
                                                  qsizetype limit = 0);

    // Whether the one item `rowId` belongs in the results of `query` over `categoryUuid`, by the
    // same test a pass makes (expired items never do): for an item captured or moved while
    // results are shown, instead of a new pass over the whole clipboard. Reads the row on the
    // calling thread, on a connection of its own, so any one thread at a time may call it.
    // Absent when the row is gone or cannot be read.
    std::optional<bool> matches(const QString& categoryUuid, const ParsedQuery& query, qint64 rowId);

Q_SIGNALS:
    // The first matches (at most kFirstScreen), a prefix of what finished() will report. Sent at
    // most once per pass, and not at all when the pass ends before it has any.
    void firstResults(quint64 generation, const SearchResults& results);
    // Every match, in history order.
    void finished(quint64 generation, const SearchResults& results);
    // The database could not be read; the reason is logged.
    void failed(quint64 generation);
    // Every pass ends with this, cancelled ones included: how many rows it looked at and whether
    // it ran to the end. For diagnostics and tests; it carries no results.
    void passEnded(quint64 generation, qint64 rowsExamined, bool completed);
    // The texts are now held in memory; the next search scans them.
    void textsLoaded();

private:
    struct Worker;
    struct Pass;
    struct Matcher;
    struct Texts;
    void runPass(const std::shared_ptr<Pass>& pass);
    std::shared_ptr<SearchTextArena> currentTexts(const QString& path, sqlite3* db);
    void dropTexts(const std::shared_ptr<SearchTextArena>& texts);
    void loadTexts(const QString& path);
    void deliver(quint64 generation, std::function<void()> emitter);

    CoreDataManager& store_;
    QString databasePath_;
    std::chrono::milliseconds streamBudget_;
    std::shared_ptr<std::atomic<quint64>> latest_;
    std::unique_ptr<Matcher> matcher_;
    std::unique_ptr<Texts> texts_;
    std::atomic<int> keptOrdersTaken_{0};
    // Declared last so that they stop (finishing cancelled passes) before the rest goes.
    std::unique_ptr<Worker> mainWorker_;
    std::unique_ptr<Worker> helperWorker_;
};
