#include "TestSupport.h"

#include "model/ContentCache.h"
#include "model/CoreDataManager.h"
#include "model/HistoryIndex.h"
#include "model/HistoryReader.h"
#include "platform/PasteboardTypes.h"

#include <QTest>

#include <atomic>
#include <future>
#include <mutex>
#include <thread>

namespace {

const QString kWork = QStringLiteral("WORK");

bool committed(const std::function<void(CoreDataManager::Completion)>& operation)
{
    std::promise<bool> done;
    operation([&](bool ok) { done.set_value(ok); });
    return done.get_future().get();
}

std::optional<PasteboardItems> loaded(qint64 id)
{
    std::promise<std::optional<PasteboardItems>> done;
    store().loadContent(id, [&](const std::optional<PasteboardItems>& items) { done.set_value(items); });
    return done.get_future().get();
}

// The changes the store tells, collected on its queue and applied on the test's thread, as the
// list model's reader thread will.
class ChangeLog
{
public:
    ChangeLog()
    {
        key_ = store().addChangeObserver([this](const HistoryChange& change) {
            std::lock_guard lock(mutex_);
            changes_.append(change);
        });
    }
    ~ChangeLog() { store().removeChangeObserver(key_); }

    void applyTo(const QList<HistoryIndex*>& indexes, HistoryReader& reader)
    {
        QList<HistoryChange> changes;
        {
            std::lock_guard lock(mutex_);
            changes.swap(changes_);
        }
        for (HistoryIndex* index : indexes) {
            for (const HistoryChange& change : changes)
                index->apply(change);
            if (!index->isCurrent())
                index->load(reader);
        }
    }

private:
    std::mutex mutex_;
    QList<HistoryChange> changes_;
    int key_ = 0;
};

} // namespace

class TstHistoryIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsBatchOperationsBesideCaptures();
    void contentCacheKeepsItsBudget();
    void contentOfAReusedIdIsNotStale();
};

void TstHistoryIndex::followsBatchOperationsBesideCaptures()
{
    TestHome home;
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-3600);
    store().performBatch([&] {
        for (int i = 0; i < 300; ++i)
            store().insertPasteInf(
                textCapture(QString::number(i), start.addSecs(i), i % 3 ? kDefaultCategoryUUID : kWork));
    });
    ChangeLog changes;
    HistoryReader reader(store(), home.databasePath());
    QVERIFY(reader.open());
    HistoryIndex index(kDefaultCategoryUUID);
    HistoryIndex work(kWork);

    // Captures keep arriving while the indexes load and the batches run.
    std::atomic<bool> capturing{true};
    std::atomic<int> captured{0};
    std::thread capture([&] {
        for (int i = 0; capturing || i < 20; ++i) {
            store().insertPasteInf(
                textCapture(QStringLiteral("capture %1").arg(i), QDateTime::currentDateTimeUtc()));
            ++captured;
        }
    });
    while (captured < 5)
        std::this_thread::yield();
    QVERIFY(index.load(reader));
    QVERIFY(work.load(reader));

    const QList<qint64> lastThree = index.ids().mid(index.size() - 3);
    QVERIFY(committed([&](auto done) { store().movePasteInfsToTop(lastThree, {}, done); }));
    const QList<qint64> toWork = index.ids().mid(10, 2);
    QVERIFY(committed([&](auto done) { store().movePasteInfsToTop(toWork, kWork, done); }));
    const QList<qint64> gone = {index.ids().at(index.size() - 20), work.ids().at(5)};
    QVERIFY(committed([&](auto done) { store().deletePasteInfIds(gone, done); }));
    capturing = false;
    capture.join();
    store().waitForQueued();

    QVERIFY(captured >= 20);
    changes.applyTo({&index, &work}, reader);
    QCOMPARE(index.ids(), reader.historyIds(kDefaultCategoryUUID).value());
    QCOMPARE(work.ids(), reader.historyIds(kWork).value());
    // Moved items lead what their clipboard held, in the order given (captures made after the
    // move may come first).
    QCOMPARE(work.ids().first(2), toWork);
    const qsizetype a = index.ids().indexOf(lastThree[0]), b = index.ids().indexOf(lastThree[1]),
                    c = index.ids().indexOf(lastThree[2]);
    QVERIFY(a >= 0 && a < b && b < c);
    const auto firstUnmoved = std::find_if(index.ids().begin(), index.ids().end(),
                                           [&](qint64 id) { return id <= 300 && !lastThree.contains(id); });
    QVERIFY(c < firstUnmoved - index.ids().begin());
    for (qint64 id : gone)
        QVERIFY(!index.ids().contains(id) && !work.ids().contains(id));
    std::promise<QHash<QString, qint64>> counts;
    store().countPasteInfsPerCategory([&](const QHash<QString, qint64>& c) { counts.set_value(c); });
    QCOMPARE(counts.get_future().get(),
             (QHash<QString, qint64>{{kDefaultCategoryUUID, index.size()}, {kWork, work.size()}}));
    // Moving wrote the date and clipboard only: the content is the one captured.
    const QList<PasteInfRow> moved = reader.rows(toWork);
    QCOMPARE(moved.size(), 2);
    QCOMPARE(moved.first().categoryUUID, kWork);
    QCOMPARE(loaded(toWork.first())->first().plainString(), moved.first().previewText);
}

void TstHistoryIndex::contentCacheKeepsItsBudget()
{
    const PasteboardItems forty = {PasteboardItem({{PasteboardType::string, QByteArray(40, 'x')}})};
    const qint64 size = ContentCache::sizeOf(forty);
    ContentCache cache(size * 5 / 2);
    cache.insert(1, forty);
    cache.insert(2, forty);
    QVERIFY(cache.find(1)); // now the most recently used
    cache.insert(3, forty);
    QVERIFY(cache.find(1) && cache.find(3));
    QVERIFY(!cache.find(2));
    QVERIFY(cache.usedBytes() <= cache.budget());
    cache.insert(4, {PasteboardItem({{PasteboardType::string, QByteArray(1000, 'x')}})});
    QVERIFY(!cache.find(4));
    cache.setBudget(size * 3 / 2);
    QCOMPARE(cache.count(), 1);
}

void TstHistoryIndex::contentOfAReusedIdIsNotStale()
{
    TestHome home;
    store().insertPasteInf(textCapture(QStringLiteral("first"), QDateTime::currentDateTimeUtc()));
    HistoryReader reader(store(), home.databasePath());
    QVERIFY(reader.open());
    const qint64 id = reader.historyIds(kDefaultCategoryUUID)->first();
    QCOMPARE(loaded(id)->first().plainString(), QStringLiteral("first"));
    // SQLite gives the newest row's id to the next insert once that row is gone.
    QVERIFY(committed([&](auto done) { store().deletePasteInfIds({id}, done); }));
    store().insertPasteInf(textCapture(QStringLiteral("second"), QDateTime::currentDateTimeUtc()));
    QCOMPARE(reader.historyIds(kDefaultCategoryUUID)->first(), id);
    QCOMPARE(loaded(id)->first().plainString(), QStringLiteral("second"));
}

QTEST_GUILESS_MAIN(TstHistoryIndex)
#include "tst_historyindex.moc"
