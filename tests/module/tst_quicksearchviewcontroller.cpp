// The quick search controller inside its window: what the mouse and the modifier keys do to
// the rows, the badges and the item menu.
#include "TestSupport.h"

#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchPasteInfDetailView.h"
#include "module/quickSearch/view/QuickSearchPasteInfItem.h"
#include "module/quickSearch/view/QuickSearchPasteInfListModel.h"
#include "module/quickSearch/view/subViews/QuickSearchDetailWebView.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

class TestQuickSearchViewController : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void doubleClickPastes();
    void badgesFollowTheModifiersUntilFocusGoes();
    void keyboardMenuHighlightsItsFirstEntry();
    void spaceAsksForAWaitingPreviewOnly();
    void queueOrderIsThePicksElseTheCopyOrder();

private:
    QPoint rowCentre(int row) const;

    std::unique_ptr<TestHome> home_;
    std::unique_ptr<QuickSearchViewWindow> window_;
    QuickSearchViewController* controller_ = nullptr;
};

void TestQuickSearchViewController::initTestCase()
{
    Localized::install();
    // The engine's own switch: its sandbox cannot start as root, which these tests may run as.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    home_ = std::make_unique<TestHome>();
    store().ensureDefaultCategory();
    const QDateTime now = QDateTime::currentDateTime();
    store().insertPasteInf(textCapture("https://example.invalid/reset", now.addSecs(-30)));
    store().insertPasteInf(textCapture("second", now.addSecs(-20)));
    store().insertPasteInf(textCapture("first", now.addSecs(-10)));
    store().waitForQueued();
}

void TestQuickSearchViewController::init()
{
    window_ = std::make_unique<QuickSearchViewWindow>(home_->path() + "/frame.json");
    controller_ = new QuickSearchViewController(store(), preferences(), nullptr, nullptr);
    window_->setContentWidget(controller_);
    controller_->attachWindow(*window_);
    window_->showAndActivate();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTRY_COMPARE(controller_->model()->rowCount(), 3);
    QTRY_VERIFY(controller_->model()->rowAt(2).has_value());
}

void TestQuickSearchViewController::cleanup()
{
    window_.reset();
}

QPoint TestQuickSearchViewController::rowCentre(int row) const
{
    QListView* list = controller_->listView();
    return list->visualRect(controller_->model()->index(row)).center();
}

void TestQuickSearchViewController::queueOrderIsThePicksElseTheCopyOrder()
{
    QWidget* viewport = controller_->listView()->viewport();
    const auto ids = [&](const QList<int>& rows) {
        QList<qint64> list;
        for (int row : rows)
            list.append(controller_->model()->idAt(row));
        return list;
    };
    // Picked one by one: in the order picked, the first plain click included.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(1));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    QCOMPARE(controller_->queueOrder(), ids({1, 0, 2}));
    // Unpicking one keeps the order of the rest.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
    QCOMPARE(controller_->queueOrder(), ids({1, 2}));

    // A range goes in the order copied: the list shows the newest first.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, rowCentre(2));
    QCOMPARE(controller_->queueOrder(), ids({2, 1, 0}));
    controller_->perform({QuickSearchKeyCommand::moveToFirst});
    controller_->perform({QuickSearchKeyCommand::moveDown, true});
    QCOMPARE(controller_->queueOrder(), ids({1, 0}));

    // The queue's line shows above the list, with how to clear it while the queue runs.
    controller_->setPasteQueueNotice(QStringLiteral("Paste queue: 0 of 2 pasted, next: \u201cfirst\u201d"),
                                     true);
    QVERIFY(controller_->pasteQueueNotice()->isVisible());
    QVERIFY(controller_->pasteQueueNotice()->text().endsWith(QStringLiteral("Esc clears it")));
    QSignalSpy seen(controller_, &QuickSearchViewController::pasteQueueNoticeSeen);
    controller_->setPasteQueueNotice(QStringLiteral("Paste queue done: all 2 items pasted"), false);
    window_->resignMainWindow();
    QCOMPARE(seen.size(), 1);
}

void TestQuickSearchViewController::doubleClickPastes()
{
    QWidget* viewport = controller_->listView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(1));
    QCOMPARE(controller_->selectedRows(), QList<int>{1});
    QVERIFY(window_->isVisible());
    // Pasting hides the panel first, to give the keyboard back to the window pasted into.
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, rowCentre(1));
    QVERIFY(!window_->isVisible());
}

void TestQuickSearchViewController::badgesFollowTheModifiersUntilFocusGoes()
{
    QuickSearchPasteInfItem* delegate = controller_->delegate();
    const auto held = [this](Qt::KeyboardModifiers modifiers) {
        Q_EMIT window_->modifiersChanged(modifiers);
    };
    // Shift is the plain-text modifier and Ctrl the quick-paste one by default.
    held(Qt::ShiftModifier);
    QVERIFY(delegate->plainTextBadgeShown());
    QVERIFY(!delegate->quickPasteBadgesShown());
    held(Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(delegate->plainTextBadgeShown() && delegate->quickPasteBadgesShown());
    // The keys are let go of in another window: the panel never hears of it.
    Q_EMIT window_->resignedKey();
    QVERIFY(!delegate->plainTextBadgeShown());
    QVERIFY(!delegate->quickPasteBadgesShown());
    held(Qt::NoModifier);
    QVERIFY(!delegate->plainTextBadgeShown());
}

void TestQuickSearchViewController::keyboardMenuHighlightsItsFirstEntry()
{
    QuickSearchPasteInfItemMenu* menu = controller_->itemMenu();
    QVERIFY(controller_->perform({QuickSearchKeyCommand::itemMenu}));
    QTRY_VERIFY(menu->isVisible());
    // A text item: the link entry is hidden, so Paste comes first.
    QCOMPARE(menu->activeAction(), menu->action(QuickSearchPasteInfItemMenu::Command::paste));
    menu->hide();
}

void TestQuickSearchViewController::spaceAsksForAWaitingPreviewOnly()
{
    if (!QuickSearchDetailWebView::isAvailable())
        QSKIP("built without the web engine");
    QLineEdit* field = controller_->searchField();
    QuickSearchDetailWebView* web = controller_->detailView()->webView();
    // The first row is text: Space is typed.
    QTest::keyClick(field, Qt::Key_Space);
    QCOMPARE(field->text(), QStringLiteral(" "));
    field->clear();
    QTRY_COMPARE(controller_->model()->rowCount(), 3);

    QTest::keyClick(field, Qt::Key_End);
    QTRY_COMPARE(web->state(), QuickSearchDetailWebView::State::offered);
    QTest::keyClick(field, Qt::Key_Space);
    QCOMPARE(field->text(), QString());
    QVERIFY(web->state() == QuickSearchDetailWebView::State::loading ||
            web->state() == QuickSearchDetailWebView::State::failed);
    // The name does not resolve: its text stays, with the reason, and nothing else is loaded.
    QTRY_COMPARE_WITH_TIMEOUT(web->state(), QuickSearchDetailWebView::State::failed, 15000);
    QVERIFY(!web->isEngineStarted());
}

QTEST_MAIN(TestQuickSearchViewController)
#include "tst_quicksearchviewcontroller.moc"
