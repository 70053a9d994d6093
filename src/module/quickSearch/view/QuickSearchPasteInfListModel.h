#pragma once

#include "model/HistoryChange.h"
#include "model/HistoryReader.h"

#include <QAbstractListModel>
#include <QCache>
#include <QList>
#include <QMetaType>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class CoreDataManager;
class SearchResults;

Q_DECLARE_METATYPE(PasteInfRow)

// The rows of the quick search window's result list: the ids of what is shown (a clipboard's
// history, or a search's matches) and a bounded cache of their display rows. A million ids take
// 8 MB; rows are read in pages on a reader thread of the model's own, so data() never touches
// the database: a row that has not arrived yet has no PasteInfRowRole value (the cell paints a
// placeholder) and its page is requested; dataChanged follows when it arrives.
//
// The model follows the store's committed changes by id: a copy or an item moved to the top
// of the shown clipboard appears at the top, deleted items and items moved to another clipboard
// go, without reading the history again. Selection is the view's.
class QuickSearchPasteInfListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        // The row's PasteInfRow; invalid while it is being read.
        PasteInfRowRole = Qt::UserRole + 1,
        // The store row id (qint64), always there.
        RowIdRole,
        // Whether the row's secret is shown (bool); false for rows that are not secrets.
        SecretRevealedRole,
    };

    static constexpr qsizetype kPageSize = 50;
    // Rows kept: 200 pages, a few megabytes, many screens in both directions.
    static constexpr qsizetype kDefaultCachedRows = 200 * kPageSize;

    // An empty path means the file the store has open.
    // Rows are read from `databasePath` (empty: the file the store has open); the store, which
    // tells of changes, must outlive the model.
    explicit QuickSearchPasteInfListModel(CoreDataManager& store, const QString& databasePath = {},
                                          QObject* parent = nullptr);
    ~QuickSearchPasteInfListModel() override;

    // Shows the history of a clipboard, newest first. The ids are read on the reader thread
    // and replace the list when they arrive, unless another load or showResults came since:
    // until then the current rows stay. Returns the load's generation (historyLoaded /
    // loadFailed carry it). Changes committed while it reads are applied after it.
    quint64 loadHistory(const QString& categoryUuid);
    // Shows the matches of a search of `categoryUuid` (row ids in history order) at once; a
    // load still on its way is dropped. SearchResults share their buffer with the model.
    void showResults(const QString& categoryUuid, const QList<qint64>& ids);
    void showResults(const QString& categoryUuid, const SearchResults& results);
    // Puts ids at the top of the shown list (those already in it move there), first the
    // newest; for the controller, after it matched a new item against its query.
    void insertAtTop(const QList<qint64>& ids);

    QString categoryUuid() const { return categoryUuid_; }
    // Whether the list is the whole history of categoryUuid() (not a search's matches).
    bool isShowingHistory() const { return showingHistory_; }
    const QList<qint64>& ids() const { return ids_; }
    qint64 idAt(int row) const;
    // The row of an id, -1 when it is not listed. A scan: fine per command, not per paint.
    int rowOf(qint64 id) const;
    // The cached display row, never reading; absent when it has not arrived.
    std::optional<PasteInfRow> rowAt(int row) const;

    // Secrets are masked until the user reveals them; they stay revealed until hideSecrets(),
    // which the window calls when it hides.
    void revealSecret(qint64 id);
    bool isSecretRevealed(qint64 id) const { return revealedSecrets_.contains(id); }
    void hideSecrets();

    // How many display rows the cache keeps (at least one page).
    void setCacheCapacity(qsizetype rows);
    qsizetype cachedRowCount() const { return cache_.size(); }

    // Runs a block on the reader thread with the model's own reader, in order with the model's
    // loads and page reads (a detail read, a count), never on the GUI thread.
    void performOnReader(std::function<void(HistoryReader& reader)> block);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    // The newest ids of that load are shown while the rest is still read (a first load of a long
    // history); historyLoaded follows, with the rest added below them.
    void firstRowsLoaded(quint64 generation);
    // The ids of that load are shown.
    void historyLoaded(quint64 generation);
    // The history could not be read (the reason is logged); the list is as it was.
    void loadFailed(quint64 generation);
    // While matches are shown: items that became the newest of their clipboard and are not in
    // the list (a new copy, an item moved here). The controller matches them against its query
    // and calls insertAtTop with the ones that match.
    void unlistedAddedToTop(const QList<qint64>& ids);
    // While matches are shown: the clipboard changed in a way ids cannot tell (an item updated
    // as a whole, the clipboard emptied); search again.
    void resultsOutdated();

private:
    struct Reader;
    struct CachedRow
    {
        PasteInfRow row;
        // Read before a change that may have altered it: shown, but read again.
        bool stale = false;
        // Gone from the store when it was read: painted as a placeholder, not asked for again.
        bool missing = false;
    };

    void setList(const QString& categoryUuid, const QList<qint64>& ids, bool history);
    void applyChange(const HistoryChange& change);
    void applyLoaded(quint64 generation, const QString& categoryUuid, const QList<qint64>& ids,
                     const QList<PasteInfRow>& firstRows);
    void applyHead(quint64 generation, const QString& categoryUuid, const QList<qint64>& ids,
                   const QList<PasteInfRow>& rows);
    void cacheRows(const QList<PasteInfRow>& rows);
    void removeIds(const QList<qint64>& ids);
    void requestPage(int row) const;
    void refetch(const QList<qint64>& ids);
    void rowsArrived(quint64 listVersion, int firstRow, int rowCount, const QList<qint64>& asked,
                     const QList<PasteInfRow>& rows);
    // Posts a block to the GUI thread that runs only while this model exists.
    std::function<void(std::function<void()>)> guiPoster() const;

    QString categoryUuid_;
    bool showingHistory_ = false;
    QSet<qint64> revealedSecrets_;
    QList<qint64> ids_;
    quint64 generation_ = 0;
    // The generation of what is shown; behind generation_ while a load is on its way.
    quint64 shownGeneration_ = 0;
    // The load whose newest ids alone are shown (0: none).
    quint64 headGeneration_ = 0;
    // Counts structural changes of ids_, so a page that arrives knows whether its rows moved.
    quint64 listVersion_ = 0;
    mutable QCache<qint64, CachedRow> cache_;
    mutable QSet<qint64> pending_;
    std::shared_ptr<int> alive_;
    CoreDataManager& store_;
    int observerKey_ = 0;
    // Last: its queue finishes the blocks still queued before the rest goes.
    std::shared_ptr<Reader> reader_;
};
