// Start-up data and the coordinator's memory of the application in front.
#include "TestSupport.h"

#include "app/AppDelegate.h"
#include "app/Brimble.h"
#include "app/StatusBarMenu.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/preferences/PreferencesGeneralViewController.h"
#include "module/preferences/PreferencesRuleViewController.h"
#include "module/preferences/PreferencesTabViewController.h"
#include "module/preferences/PreferencesWindow.h"
#include "module/quickSearch/QuickSearchViewController.h"
#include "module/quickSearch/QuickSearchViewWindow.h"
#include "module/quickSearch/view/QuickSearchClipboardHeader.h"
#include "pasteboard/PasteBoard.h"
#include "platform/Platform.h"
#include "platform/fake/FakeHotKeys.h"
#include "platform/fake/FakeWorkspace.h"
#include "view/base/HelpWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QUuid>

#include <atomic>

namespace {
RunningApplicationRef app(std::optional<QString> identifier, qint64 pid = 777)
{
    auto record = std::make_shared<RunningApplication>();
    record->processId = pid;
    record->localizedName = "Some App";
    record->bundleIdentifier = identifier;
    return record;
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void firstRunCreatesTheInitialData();
    void laterRunsOnlyRestoreTheDefaultClipboard();
    void lostPreferencesDoNotRepeatTheFirstRun();
    void clearedHotKeyIsNotRestored();
    void remembersOtherApplicationsOnly();
    void rulesChangedInPreferencesReachTheMonitor();
    void helpAndAboutStayOnThisComputer();
    void hotKeyFollowsItsPreference();
    void pauseMenuFollowsThePauseSwitch();
    void damagedHistoryIsShownInThePanel();
    void fullDiskIsShownInThePanelUntilThereIsRoom();
    void pasteThatDidNotGoOutIsToldInThePanel();
};

void TestStartup::initTestCase()
{
    Localized::install();
}

void TestStartup::firstRunCreatesTheInitialData()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    store().waitForQueued();

    const QList<PasteCategoryInfModel> clipboards = store().fetchCategories();
    QStringList titles;
    QList<qint16> orders;
    QList<qint16> colours;
    for (const auto& clipboard : clipboards) {
        titles << clipboard.title.value_or(QString());
        orders << clipboard.orderNumber;
        colours << clipboard.colorIndex;
    }
    QCOMPARE(titles, (QStringList{"Clipboard History", "Text", "Link", "Image", "File"}));
    QCOMPARE(orders, (QList<qint16>{0, 1, 2, 3, 4}));
    QCOMPARE(colours, (QList<qint16>{0, 1, 2, 3, 4}));
    QCOMPARE(clipboards.first().uuid, std::optional<QString>(kDefaultCategoryUUID));
    for (int i = 1; i < clipboards.size(); ++i)
        QVERIFY(QUuid::fromString(clipboards.at(i).uuid.value_or(QString())).isNull() == false);

    const QList<IgnoredAppInfModel> rules = store().fetchIgnoredApps();
    QCOMPARE(rules.size(), 1);
    QCOMPARE(rules.first().path, std::optional<QString>(AppDelegate::firstIgnoredAppPath));
    QCOMPARE(rules.first().name, std::optional<QString>("org.gnome.seahorse.Application.desktop"));

    QCOMPARE(preferences().showQuickSearchWindowHotKey(), std::optional<KeyCombo>(KeyCombo{9, 0x0900}));
    QCOMPARE(preferences().isDataInitialed(), std::optional<bool>(true));
}

void TestStartup::laterRunsOnlyRestoreTheDefaultClipboard()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    store().waitForQueued();
    QList<PasteCategoryInfModel> clipboards = store().fetchCategories();
    store().deleteCategory(clipboards.first());
    store().waitForQueued();
    QCOMPARE(store().fetchCategories().size(), 4);

    AppDelegate::initializeData(home.store(), home.preferences());
    store().waitForQueued();
    clipboards = store().fetchCategories();
    QCOMPARE(clipboards.size(), 5);
    QCOMPARE(clipboards.first().uuid, std::optional<QString>(kDefaultCategoryUUID));
    QCOMPARE(clipboards.first().orderNumber, qint16(0));
    QCOMPARE(store().fetchIgnoredApps().size(), 1);
}

void TestStartup::lostPreferencesDoNotRepeatTheFirstRun()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    QVERIFY(QFile::remove(home.preferencesPath()));
    preferences().setFilePath(home.preferencesPath());
    QCOMPARE(preferences().isDataInitialed(), std::nullopt);

    AppDelegate::initializeData(home.store(), home.preferences());
    QCOMPARE(store().fetchCategories().size(), 5);
    QCOMPARE(store().fetchIgnoredApps().size(), 1);
    QCOMPARE(preferences().isDataInitialed(), std::optional<bool>(true));
    QVERIFY(preferences().showQuickSearchWindowHotKey().has_value());
}

void TestStartup::clearedHotKeyIsNotRestored()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    preferences().setShowQuickSearchWindowHotKey(std::nullopt);
    AppDelegate::initializeData(home.store(), home.preferences());
    QCOMPARE(preferences().showQuickSearchWindowHotKey(), std::nullopt);
}

void TestStartup::rulesChangedInPreferencesReachTheMonitor()
{
    TestHome home;
    auto platform = Platform::createFake();
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;
    brimble.showPreferencesWindow();
    IgnoredAppInfModel rule;
    rule.bundleIdentifier = QStringLiteral("org.example.Vault");
    Q_EMIT brimble.preferencesWindow()->tabs()->rules()->ignoredAppsChanged({rule});
    QTRY_COMPARE(brimble.pasteBoard().ignoredAppBundleIdentifiers(), QStringList{"org.example.Vault"});
    owned.reset();
}

void TestStartup::helpAndAboutStayOnThisComputer()
{
    TestHome home;
    auto platform = Platform::createFake();
    auto& workspace = static_cast<FakeWorkspace&>(*platform->workspace);
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;

    brimble.statusBarMenu().helpItem()->trigger();
    QVERIFY(brimble.helpWindow() && brimble.helpWindow()->isVisible());
    QCOMPARE(brimble.helpWindow()->currentSection(), QString());

    // The General tab's note on automatic paste leads to the manual's section on it.
    brimble.showPreferencesWindow();
    QPushButton* learnMore = nullptr;
    for (QPushButton* button : brimble.preferencesWindow()->tabs()->general()->findChildren<QPushButton*>())
        if (button->text() == LocalizedAlert::learnMore())
            learnMore = button;
    QVERIFY(learnMore);
    learnMore->click();
    QCOMPARE(brimble.helpWindow()->currentSection(), Brimble::autoPasteHelpSection);

    // About names the history and the log folder in use.
    brimble.statusBarMenu().aboutItem()->trigger();
    QVERIFY(brimble.statusBarMenu().aboutPanel());
    const QString about = brimble.statusBarMenu().aboutPanel()->text();
    QVERIFY2(about.contains(home.databasePath()), qPrintable(about));
    QVERIFY2(about.contains(Log::defaultLogDirectory()), qPrintable(about));
    brimble.statusBarMenu().aboutPanel()->close();

    QVERIFY(workspace.openedUrls().isEmpty());
}

void TestStartup::remembersOtherApplicationsOnly()
{
    TestHome home;
    auto platform = Platform::createFake();
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;

    auto& workspace = static_cast<FakeWorkspace&>(*platform->workspace);
    const auto editor = app(QStringLiteral("org.example.Editor"));
    workspace.activateApplication(editor);
    QCOMPARE(brimble.currentRunningApplication(), editor);

    // Brimble itself (by identifier or by process) and a record without identifier leave the
    // remembered application alone.
    workspace.activateApplication(app(Brimble::bundleIdentifier, 1));
    workspace.activateApplication(app(QStringLiteral("org.example.Other"), QCoreApplication::applicationPid()));
    workspace.activateApplication(app(std::nullopt));
    QCOMPARE(brimble.currentRunningApplication(), editor);

    const auto viewer = app(QStringLiteral("org.example.Viewer"));
    workspace.activateApplication(viewer);
    QCOMPARE(brimble.currentRunningApplication(), viewer);

    owned.reset();
}

void TestStartup::hotKeyFollowsItsPreference()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    auto platform = Platform::createFake();
    auto& hotKeys = static_cast<FakeHotKeys&>(*platform->hotKeys);
    const KeyCombo ctrlAltV{9, CarbonModifier::command | CarbonModifier::option};
    const KeyCombo ctrlShiftSpace{49, CarbonModifier::command | CarbonModifier::shift};
    hotKeys.setHeldElsewhere(ctrlShiftSpace, true);
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;

    QVERIFY(hotKeys.press(ctrlAltV));
    QVERIFY(brimble.quickSearchWindow().isVisible());
    QVERIFY(hotKeys.press(ctrlAltV));
    QVERIFY(!brimble.quickSearchWindow().isVisible());

    // A combination held elsewhere leaves none registered (and says so); another replaces it.
    QCOMPARE(brimble.setShowQuickSearchWindowHotKey(ctrlShiftSpace), HotKeys::Result::heldByAnotherClient);
    QVERIFY(!hotKeys.isRegistered(ctrlAltV));
    QCOMPARE(brimble.showQuickSearchWindowHotKey(), std::nullopt);
    const KeyCombo ctrlAltB{11, CarbonModifier::command | CarbonModifier::option};
    brimble.setShowQuickSearchWindowHotKey(ctrlAltB);
    QVERIFY(hotKeys.press(ctrlAltB));
    QVERIFY(brimble.quickSearchWindow().isVisible());
    brimble.setShowQuickSearchWindowHotKey(std::nullopt);
    QVERIFY(!hotKeys.isRegistered(ctrlAltB));

    // Quitting releases the hot key without saying the user has none.
    brimble.setShowQuickSearchWindowHotKey(ctrlAltV);
    Log::Capture log;
    owned.reset();
    QVERIFY(!hotKeys.isRegistered(ctrlAltV));
    QCOMPARE(log.count("no hot key"), 0);
}

void TestStartup::pauseMenuFollowsThePauseSwitch()
{
    TestHome home;
    auto platform = Platform::createFake();
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;
    QVERIFY(!brimble.statusBarMenu().isRecordingPaused());
    bool done = false;
    brimble.setPauseRecording(true, [&] { done = true; });
    QTRY_VERIFY(done);
    QVERIFY(brimble.statusBarMenu().isRecordingPaused());
    QCOMPARE(brimble.statusBarMenu().pauseRecordingItem()->text(), LocalizedMenu::continueRecording());
    owned.reset();
}

// Under a window manager without a tray the panel is where the user looks: it says the history is
// damaged and how to rescue it, and names no clipboard it could not read.
void TestStartup::damagedHistoryIsShownInThePanel()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    for (int i = 0; i < 300; ++i)
        store().insertPasteInf(textCapture(QString::number(i).repeated(50), QDateTime::currentDateTime()));
    store().close();
    // Every page but the schema's: the file opens, and the first real read meets the damage.
    QVERIFY(damageAllButSchema(home.databasePath()));
    QVERIFY(store().open(home.databasePath()));
    // Start-up meets the damage before Brimble listens for it.
    AppDelegate::initializeData(home.store(), home.preferences());
    QVERIFY(store().isDamaged());

    auto platform = Platform::createFake();
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;
    QuickSearchViewController& panel = brimble.quickSearchController();
    QTRY_VERIFY(!panel.banner()->isHidden());
    QVERIFY2(panel.banner()->text().contains("brimble salvage"), qPrintable(panel.banner()->text()));
    QVERIFY(panel.banner()->text().contains(home.databasePath()));
    QCOMPARE(panel.clipboardHeader()->nameField()->text(), QString());
    // The list it could not read shows no progress bar that never ends.
    QTest::qWait(400);
    QVERIFY(panel.findChild<QProgressBar*>()->isHidden());
    owned.reset();
}

void TestStartup::fullDiskIsShownInThePanelUntilThereIsRoom()
{
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.why()));
    TestHome home;
    auto closeFirst = qScopeGuard([] { store().close(); });
    QVERIFY(store().open(disk.path() + "/Brimble.sqlite"));
    AppDelegate::initializeData(home.store(), home.preferences());
    const QDateTime now = QDateTime::currentDateTime();
    store().insertPasteInf(textCapture("stored before the disk filled", now.addSecs(-10)));
    QVERIFY(store().save());
    auto platform = Platform::createFake();
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;
    QuickSearchViewController& panel = brimble.quickSearchController();
    QVERIFY(panel.banner()->isHidden());

    QVERIFY(disk.fill());
    store().insertPasteInf(textCapture(QStringLiteral("made while the disk was full ").repeated(1000), now));
    QTRY_VERIFY(!panel.banner()->isHidden());
    QVERIFY2(panel.banner()->text().startsWith("There is no room left on the disk for your clipboard history"),
             qPrintable(panel.banner()->text()));
    QVERIFY(panel.banner()->text().contains("SQLITE_FULL"));

    // Freeing space is enough: the retry stores the waiting copy and the notice goes.
    QVERIFY(disk.makeRoom());
    store().retryWaitingCopies();
    QTRY_VERIFY(panel.banner()->isHidden());
    QCOMPARE(store().countPasteInfs(PasteCategoryInfModel::defaultCategory()), 2);
    owned.reset();
}

void TestStartup::pasteThatDidNotGoOutIsToldInThePanel()
{
    TestHome home;
    AppDelegate::initializeData(home.store(), home.preferences());
    preferences().setAutoPasteToCurrentApp(true);
    auto platform = Platform::createFake();
    auto owned = std::make_unique<Brimble>(*platform, home.store(), home.preferences());
    Brimble& brimble = *owned;
    QuickSearchViewController& panel = brimble.quickSearchController();
    const QList<PasteInfModel> models{textCapture("to paste", QDateTime::currentDateTime())};
    std::optional<PasteOutcome> outcome;
    const auto paste = [&](RunningApplicationRef target) {
        outcome.reset();
        brimble.pasteItems(models, false, true, target, [&](const PasteOutcome& o) { outcome = o; });
    };

    // No window to paste into is known: the item is on the clipboard, and the panel says so.
    paste(nullptr);
    QTRY_VERIFY(outcome.has_value());
    QCOMPARE(outcome->status, PasteOutcome::Status::WindowGone);
    QVERIFY(!panel.pasteNotice()->isHidden());
    QCOMPARE(panel.pasteNotice()->text(), LocalizedAlert::pastedByHand());
    QVERIFY(panel.pasteNotice()->text().contains("Ctrl+V"));

    // A paste that goes out takes the notice away.
    paste(app(QStringLiteral("org.example.Editor")));
    QTRY_VERIFY(outcome.has_value());
    QCOMPARE(outcome->status, PasteOutcome::Status::Pasted);
    QVERIFY(panel.pasteNotice()->isHidden());
    owned.reset();
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
