#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/HistoryReader.h"
#include "model/PasteBoardUtils.h"
#include "model/SearchEngine.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "platform/PasteboardTypes.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <semaphore>

namespace {

const QString kWork = QStringLiteral("WORK");

// Items "item 0" (newest) to "item n-1", a second apart, ending a minute ago.
void fillHistory(int count, const QString& category = kDefaultCategoryUUID)
{
    const QDateTime newest = QDateTime::currentDateTimeUtc().addSecs(-60);
    store().performBatch([&] {
        for (int i = 0; i < count; ++i)
            store().insertPasteInf(
                textCapture(QStringLiteral("item %1").arg(i), newest.addSecs(-i), category));
    });
}

QList<qint64> historyIds(const QString& category = kDefaultCategoryUUID)
{
    HistoryReader reader(store());
    return reader.open() ? reader.historyIds(category).value_or(QList<qint64>()) : QList<qint64>();
}

// What a cell painting the row gets (asking for it, as painting does).
std::optional<PasteInfRow> rowData(const QuickSearchPasteInfListModel& model, int row)
{
    const QVariant value = model.index(row).data(QuickSearchPasteInfListModel::PasteInfRowRole);
    return value.isValid() ? std::optional(value.value<PasteInfRow>()) : std::nullopt;
}

std::optional<QString> previewAt(const QuickSearchPasteInfListModel& model, int row)
{
    const auto r = rowData(model, row);
    return r ? r->previewText : std::nullopt;
}

} // namespace

class TstQuickSearchListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesAndChangesById();
    void newestPageFirst();
    void loadsNeverLoseOrEmpty();
    void oddTextsAreRowsOfText();
};

// A history of three pages: rows arrive asynchronously, and copies, deletes and moves are applied
// by id, leaving the list equal to the stored history order.
void TstQuickSearchListModel::pagesAndChangesById()
{
    TestHome home;
    fillHistory(130);
    fillHistory(3, kWork);
    QuickSearchPasteInfListModel model(store());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setCacheCapacity(60);

    QSignalSpy loaded(&model, &QuickSearchPasteInfListModel::historyLoaded);
    const quint64 generation = model.loadHistory(kDefaultCategoryUUID);
    QVERIFY(loaded.wait());
    QCOMPARE(loaded.first().first().toULongLong(), generation);
    QCOMPARE(model.rowCount(), 130);
    QVERIFY(model.isShowingHistory());
    // The first page came with the ids; a later one is read when asked for.
    QCOMPARE(previewAt(model, 0), std::optional<QString>(QStringLiteral("item 0")));
    QCOMPARE(previewAt(model, 120), std::nullopt);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(changed.wait());
    QCOMPARE(changed.first().at(0).value<QModelIndex>().row(), 100);
    QCOMPARE(previewAt(model, 120), std::optional<QString>(QStringLiteral("item 120")));
    QVERIFY(model.cachedRowCount() <= 60);

    // A copy lands on top; deletes, a move to the top and a move away follow by id.
    store().insertPasteInf(textCapture(QStringLiteral("fresh"), QDateTime::currentDateTimeUtc()));
    QTRY_COMPARE(model.rowCount(), 131);
    QTRY_COMPARE(previewAt(model, 0), std::optional<QString>(QStringLiteral("fresh")));
    store().deletePasteInfIds({model.idAt(3), model.idAt(4), model.idAt(90)});
    QTRY_COMPARE(model.rowCount(), 128);
    const qint64 moved = model.idAt(70);
    store().movePasteInfsToTop({moved});
    QTRY_COMPARE(model.idAt(0), moved);
    const qint64 away = model.idAt(5);
    store().movePasteInfsToTop({away}, kWork);
    QTRY_COMPARE(model.rowCount(), 127);
    QCOMPARE(model.rowOf(away), -1);
    store().waitForQueued();
    QCOMPARE(model.ids(), historyIds());
    // The moved row was read again, with its new date.
    QTRY_VERIFY(rowData(model, 0) && rowData(model, 0)->date > QDateTime::currentDateTimeUtc().addSecs(-30));

    // Matches of a search: new items at the top are left to the controller to match.
    model.showResults(kDefaultCategoryUUID, QList<qint64>{model.idAt(2), model.idAt(6)});
    QCOMPARE(model.rowCount(), 2);
    QSignalSpy unlisted(&model, &QuickSearchPasteInfListModel::unlistedAddedToTop);
    store().insertPasteInf(textCapture(QStringLiteral("newer"), QDateTime::currentDateTimeUtc().addSecs(1)));
    QVERIFY(unlisted.wait());
    QCOMPARE(model.rowCount(), 2);
    model.insertAtTop(unlisted.first().first().value<QList<qint64>>());
    QCOMPARE(model.rowCount(), 3);
    QTRY_COMPARE(previewAt(model, 0), std::optional<QString>(QStringLiteral("newer")));
}

// A load superseded by another is dropped, the list is never emptied on the way, and copies
// recorded before and while the ids are read are both shown once.
void TstQuickSearchListModel::loadsNeverLoseOrEmpty()
{
    TestHome home;
    fillHistory(80);
    fillHistory(20, kWork);
    QuickSearchPasteInfListModel model(store());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy loaded(&model, &QuickSearchPasteInfListModel::historyLoaded);
    model.loadHistory(kDefaultCategoryUUID);
    QVERIFY(loaded.wait());
    int emptied = 0;
    connect(&model, &QAbstractItemModel::modelReset, this, [&] { emptied += model.rowCount() == 0; });

    // Hold the reader while two loads queue up behind it.
    std::binary_semaphore gate(0);
    model.performOnReader([&](HistoryReader&) { gate.acquire(); });
    const quint64 superseded = model.loadHistory(kWork);
    const quint64 current = model.loadHistory(kDefaultCategoryUUID);
    // Committed before the loads read (they see it, and its change comes again after them) ...
    store().insertPasteInf(
        textCapture(QStringLiteral("before"), QDateTime::currentDateTimeUtc().addSecs(-2)));
    // ... and after the ids were read, while the load is on its way to the GUI thread.
    model.performOnReader([](HistoryReader&) {
        store().insertPasteInf(textCapture(QStringLiteral("during"), QDateTime::currentDateTimeUtc()));
    });
    gate.release();

    QVERIFY(loaded.wait());
    QCOMPARE(loaded.last().first().toULongLong(), current);
    QVERIFY(current != superseded);
    QTRY_COMPARE(model.rowCount(), 82);
    QCOMPARE(model.categoryUuid(), kDefaultCategoryUUID);
    QTRY_COMPARE(previewAt(model, 0), std::optional<QString>(QStringLiteral("during")));
    QTRY_COMPARE(previewAt(model, 1), std::optional<QString>(QStringLiteral("before")));
    QCOMPARE(model.ids(), historyIds());
    QCOMPARE(loaded.size(), 2);
    QCOMPARE(emptied, 0);
}

// A text that starts with thousands of blank lines, and a copy that offers only HTML, are text:
// their rows carry their first words, classify as text and are found by a search.
void TstQuickSearchListModel::oddTextsAreRowsOfText()
{
    TestHome home;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    store().insertPasteInf(textCapture(QString(10000, u'\n') + QStringLiteral("  first line\nsecond"), now));
    const PasteboardItem html({{PasteboardType::html, "<p>Hello <i>HTML</i></p><img src=\"a.png\">"}});
    PasteInfModel htmlCopy = PasteInfModel::capture(PasteboardItems{html}, html.types(), nullptr);
    htmlCopy.date = now.addSecs(-1);
    htmlCopy.categoryUUID = kDefaultCategoryUUID;
    store().insertPasteInf(htmlCopy);
    store().waitForQueued();

    QuickSearchPasteInfListModel model(store());
    QSignalSpy loaded(&model, &QuickSearchPasteInfListModel::historyLoaded);
    model.loadHistory(kDefaultCategoryUUID);
    QVERIFY(loaded.wait());
    QCOMPARE(model.rowCount(), 2);
    const PasteInfRow blankStart = rowData(model, 0).value();
    QVERIFY2(blankStart.previewText->startsWith(QStringLiteral("first line\nsecond")),
             qPrintable(blankStart.previewText->left(20)));
    QCOMPARE(PasteBoardUtils::displayTypeOf(blankStart), PasteInfoDisplayType::PlainText);
    const PasteInfRow htmlRow = rowData(model, 1).value();
    QCOMPARE(htmlRow.previewText, std::optional<QString>(QStringLiteral("Hello HTML")));
    QCOMPARE(PasteBoardUtils::displayTypeOf(htmlRow), PasteInfoDisplayType::RichTextFormat);

    const auto found = SearchEngine::searchNow(store(), home.databasePath(), kDefaultCategoryUUID,
                                               SearchHelper::parseQuery(QStringLiteral("hello html")));
    QVERIFY(found);
    QCOMPARE(found->rowIds(), QList<qint64>{htmlRow.id});
}

// A first load shows the newest page before the rest of the history is read (seconds at a
// million items after a reboot), then adds the rest below it without a reset. Once the history
// is known, a load comes in one piece.
void TstQuickSearchListModel::newestPageFirst()
{
    TestHome home;
    fillHistory(130);
    fillHistory(3, kWork);
    QuickSearchPasteInfListModel model(store());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy first(&model, &QuickSearchPasteInfListModel::firstRowsLoaded);
    QSignalSpy loaded(&model, &QuickSearchPasteInfListModel::historyLoaded);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    std::optional<QString> firstPreview;
    int rowsAtFirst = -1;
    connect(&model, &QuickSearchPasteInfListModel::firstRowsLoaded, this, [&] {
        rowsAtFirst = model.rowCount();
        firstPreview = previewAt(model, 0);
    });
    const quint64 generation = model.loadHistory(kDefaultCategoryUUID);
    QVERIFY(loaded.wait());
    QCOMPARE(first.size(), 1);
    QCOMPARE(first.first().first().toULongLong(), generation);
    QCOMPARE(rowsAtFirst, int(QuickSearchPasteInfListModel::kPageSize));
    QCOMPARE(firstPreview, std::optional<QString>(QStringLiteral("item 0")));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), int(QuickSearchPasteInfListModel::kPageSize));
    QCOMPARE(inserted.first().at(2).toInt(), 129);
    QCOMPARE(model.ids(), historyIds());

    first.clear();
    model.loadHistory(kDefaultCategoryUUID);
    QVERIFY(loaded.wait());
    QCOMPARE(first.size(), 0);
    QCOMPARE(model.rowCount(), 130);
    // A clipboard of less than a page is read whole at once.
    model.loadHistory(kWork);
    QVERIFY(loaded.wait());
    QCOMPARE(first.size(), 0);
    QCOMPARE(model.rowCount(), 3);
}

QTEST_MAIN(TstQuickSearchListModel)
#include "tst_quicksearchlistmodel.moc"
