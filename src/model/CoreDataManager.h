#pragma once

#include "model/IgnoredAppInfModel.h"
#include "model/PasteCategoryInfModel.h"
#include "model/PasteInfModel.h"
#include "model/RetentionRule.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class SerialQueue;
struct sqlite3;

// The single gateway to the history database (SQLite, WAL journal). Every operation runs on
// one serial store queue that owns the connection; a caller on another thread waits for its
// result. Queued operations return at once and run later, in order.
class CoreDataManager
{
public:
    static CoreDataManager& shared();

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

    // History items
    void insertPasteInf(const PasteInfModel& model);
    void updatePasteInf(const std::optional<PasteInfModel>& model); // queued
    void deletePasteInf(const PasteInfModel& model);
    void deletePasteInfs(const std::optional<PasteCategoryInfModel>& category); // queued
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

    // Waits for queued operations and writes everything out (the quit-time save).
    bool save();
    // Runs a block on the store queue after everything queued before it.
    void perform(std::function<void()> block);
    // Waits until every queued operation has run.
    void waitForQueued();
    // Runs the block on the store queue inside one transaction and waits for it: the store
    // operations it calls commit together (a bulk import). False when the commit failed.
    bool performBatch(const std::function<void()>& block);

    // The retention rule of the default clipboard.
    bool isExpired(const PasteInfModel& model) const;
    // The retention level (the preference's value) the rule uses; set once at start-up. Without
    // one nothing expires.
    using RetentionLevelProvider = std::function<qint64()>;
    void setRetentionLevelProvider(RetentionLevelProvider provider);
    // The rule as of now().
    RetentionRule retentionRule() const;

    // The clock the retention rule and record dates use; tests set it.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock);
    QDateTime now() const;

private:
    CoreDataManager();
    ~CoreDataManager();
    struct Impl;
    std::unique_ptr<Impl> d;
};
