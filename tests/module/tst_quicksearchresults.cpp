// The quick search controller's answer to a search: the matches marked in the rows and the
// preview, and a search that finds nothing saying so.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailTextView.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestQuickSearchResults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void searchAnswers();
};

void TestQuickSearchResults::searchAnswers()
{
    TestHome home;
    store().ensureDefaultCategory();
    const QDateTime now = QDateTime::currentDateTime();
    store().insertPasteInf(textCapture("Apple pie", now.addSecs(-20)));
    store().insertPasteInf(textCapture("banana", now.addSecs(-10)));
    store().waitForQueued();

    QuickSearchViewController controller(store(), preferences(), nullptr, nullptr);
    controller.resize(800, 500);
    controller.show();
    QuickSearchPasteInfListModel* model = controller.model();
    QTRY_COMPARE(model->rowCount(), 2);
    QCOMPARE(controller.emptyStateText(), QString());

    // Nothing found: the panel says so instead of previewing an unknown item.
    controller.searchField()->setText("cherry");
    QTRY_COMPARE(controller.emptyStateText(), QStringLiteral("No matches"));
    QVERIFY(controller.detailView()->isHidden());

    // Found: the row and the preview mark the query where the search found it.
    QSignalSpy shown(controller.detailView(), &QuickSearchPasteInfDetailView::contentShown);
    controller.searchField()->setText("type:text apple");
    QTRY_COMPARE(model->rowCount(), 1);
    QCOMPARE(controller.emptyStateText(), QString());
    QCOMPARE(controller.delegate()->highlightText(), QStringLiteral("apple"));
    QTRY_VERIFY(!shown.isEmpty());
    QTRY_COMPARE(controller.detailView()->textView()->markedRuns(), (QList<std::pair<int, int>>{{0, 5}}));

    controller.searchField()->clear();
    QTRY_COMPARE(model->rowCount(), 2);
    QCOMPARE(controller.delegate()->highlightText(), QString());
    QCOMPARE(controller.emptyStateText(), QString());
}

QTEST_MAIN(TestQuickSearchResults)
#include "tst_quicksearchresults.moc"
