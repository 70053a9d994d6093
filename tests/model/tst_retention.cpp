#include "TestSupport.h"

#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/Preferences.h"
#include "platform/PasteboardTypes.h"

#include <QJsonValue>
#include <QTest>

#include <future>

namespace {

PasteCategoryInfModel clipboard(const QString& uuid)
{
    PasteCategoryInfModel model;
    model.uuid = uuid;
    return model;
}

PasteInfModel item(const QDateTime& date, const QString& categoryUUID)
{
    const PasteboardItem content({{PasteboardType::string, QByteArray("retained?")}});
    PasteInfModel model = PasteInfModel::capture(PasteboardItems{content}, content.types(), nullptr);
    model.date = date;
    model.categoryUUID = categoryUUID;
    return model;
}

qint64 sweep()
{
    std::promise<qint64> deleted;
    store().sweepExpired([&](qint64 count) { deleted.set_value(count); });
    return deleted.get_future().get();
}

const QDateTime kNow = QDateTime(QDate(2024, 3, 10), QTime(12, 0), Qt::UTC);

} // namespace

class TstRetention : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readersFilterAndTheSweepDeletes_data();
    void readersFilterAndTheSweepDeletes();
    void sweepDeletesManyInOneTransaction();
    void itemsWithoutDateNeverExpire();
};

void TstRetention::readersFilterAndTheSweepDeletes_data()
{
    QTest::addColumn<QJsonValue>("capacity");
    QTest::addColumn<qint64>("ageMs");
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("expired");

    const qint64 day = 86400 * 1000LL;
    const QString def = kDefaultCategoryUUID;
    QTest::newRow("day: exactly one day stays") << QJsonValue(0) << day << def << false;
    QTest::newRow("day: a fraction over stays") << QJsonValue(0) << day + 999 << def << false;
    QTest::newRow("day: one second over goes") << QJsonValue(0) << day + 1000 << def << true;
    QTest::newRow("day: future-dated counts by distance") << QJsonValue(0) << -2 * day << def << true;
    QTest::newRow("day: future, a fraction over stays") << QJsonValue(0) << -day - 999 << def << false;
    QTest::newRow("day: other clipboard keeps")
        << QJsonValue(0) << 400 * day << QStringLiteral("TEXT") << false;
    QTest::newRow("week: seven days stays") << QJsonValue(33) << 7 * day << def << false;
    QTest::newRow("week: one second over goes") << QJsonValue(33) << 7 * day + 1000 << def << true;
    QTest::newRow("month: thirty days stays") << QJsonValue(66) << 30 * day << def << false;
    QTest::newRow("month: one second over goes") << QJsonValue(66) << 30 * day + 1000 << def << true;
    QTest::newRow("for ever: 100") << QJsonValue(100) << 4000 * day << def << false;
    QTest::newRow("for ever: any other level") << QJsonValue(50) << 4000 * day << def << false;
    QTest::newRow("for ever: a string") << QJsonValue(QStringLiteral("0")) << 2 * day << def << false;
}

void TstRetention::readersFilterAndTheSweepDeletes()
{
    QFETCH(QJsonValue, capacity);
    QFETCH(qint64, ageMs);
    QFETCH(QString, category);
    QFETCH(bool, expired);

    TestHome home;
    preferences().setValue(Preferences::historyCapacityKey, capacity);
    store().setClock([] { return kNow; });
    const PasteInfModel model = item(kNow.addMSecs(-ageMs), category);
    store().insertPasteInf(model);
    QCOMPARE(store().isExpired(model), expired);

    // Every reader leaves an expired item out, and none of them deletes it.
    QCOMPARE(store().fetchPasteInfs(clipboard(category)).isEmpty(), expired);
    HistoryReader reader(store(), home.databasePath());
    QVERIFY(reader.open());
    QCOMPARE(reader.historyIds(category)->isEmpty(), expired);
    QCOMPARE(reader.countsPerCategory().value(category), expired ? 0 : 1);
    QCOMPARE(store().countPasteInfs(clipboard(category)), 1);

    QCOMPARE(sweep(), expired ? 1 : 0);
    QCOMPARE(store().countPasteInfs(clipboard(category)), expired ? 0 : 1);
}

void TstRetention::sweepDeletesManyInOneTransaction()
{
    TestHome home;
    preferences().setHistoryCapacity(0);
    store().setClock([] { return kNow; });
    QList<qint64> removed;
    const int key = store().addChangeObserver([&](const HistoryChange& change) {
        if (change.kind == HistoryChange::Kind::Removed)
            removed += change.ids;
    });
    for (int i = 0; i < 60; ++i)
        store().insertPasteInf(item(kNow.addSecs(i < 10 ? -i * 60 : -2 * 86400 - i), kDefaultCategoryUUID));
    Log::Capture log;
    QCOMPARE(sweep(), 50);
    store().removeChangeObserver(key);
    // One commit, told once: the window drops the 50 rows together.
    QCOMPARE(removed.size(), 50);
    QCOMPARE(log.count("delete success: 50 expired items"), 1);
    QCOMPARE(store().countPasteInfs(clipboard(kDefaultCategoryUUID)), 10);
    QCOMPARE(sweep(), 0);
}

void TstRetention::itemsWithoutDateNeverExpire()
{
    TestHome home;
    preferences().setHistoryCapacity(0);
    store().setClock([] { return kNow; });
    PasteInfModel model = item(kNow, kDefaultCategoryUUID);
    model.date.reset();
    store().insertPasteInf(model);
    QVERIFY(!store().isExpired(model));
    QCOMPARE(sweep(), 0);
    QCOMPARE(store().fetchPasteInfs(clipboard(kDefaultCategoryUUID)).size(), 1);

    PasteInfModel noClipboard = item(kNow.addSecs(-5 * 86400), kDefaultCategoryUUID);
    noClipboard.categoryUUID.reset();
    QVERIFY(!store().isExpired(noClipboard));
}

QTEST_GUILESS_MAIN(TstRetention)
#include "tst_retention.moc"
