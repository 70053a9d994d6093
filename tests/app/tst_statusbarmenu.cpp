#include "app/Brimble.h"
#include "app/StatusBarMenu.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "platform/fake/FakeWorkspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// The tray menu: its items, the pause item following the switch wherever it changes, and the
// paste queue line.
class TestStatusBarMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Localized::install(); }
    void itemsAndWhatTheyDo();
    void pauseItemFollowsTheSwitch();
    void pasteQueueLineAndItsClear();
    void pasteQueueTexts();
    void autoPasteAlertLeadsToTheManual();

private:
    StatusBarMenu::Actions actions();

    FakeWorkspace workspace_;
    QList<bool> requestedPauses_;
    std::function<void()> pendingDone_;
    int showCalls_ = 0;
    int preferencesCalls_ = 0;
    int helpCalls_ = 0;
};

StatusBarMenu::Actions TestStatusBarMenu::actions()
{
    return {[this](bool paused, std::function<void()> done) {
                requestedPauses_.append(paused);
                pendingDone_ = std::move(done);
            },
            [this] { ++showCalls_; }, [this] { ++preferencesCalls_; }, [this] { ++helpCalls_; },
            [] {
                AboutInfo info;
                info.version = QStringLiteral("9.8.7");
                info.historyPath = QStringLiteral("/home/u/.local/share/brimble/Brimble.sqlite");
                info.logDirectory = QStringLiteral("/home/u/.local/state/brimble/logs");
                return info;
            }};
}

void TestStatusBarMenu::itemsAndWhatTheyDo()
{
    const auto visibleTitles = [](const StatusBarMenu& menu) {
        QStringList titles;
        for (QAction* action : menu.actions()) {
            if (!action->isVisible())
                continue;
            if (!action->isSeparator() && !action->isEnabled())
                return QStringList{"disabled: " + action->text()};
            titles << action->text();
        }
        return titles;
    };
    // The update check is offered only where a release feed is configured (empty: none).
    qputenv("BRIMBLE_UPDATE_FEED_URL", "");
    QCOMPARE(visibleTitles(StatusBarMenu(false, workspace_, actions())),
             QStringList({"Pause Recording", "", "Show Clipboard History", "", "Preferences\u2026", "Help", "About",
                          "", "Quit"}));
    qputenv("BRIMBLE_UPDATE_FEED_URL", "https://example.org/feed.json");
    QCOMPARE(visibleTitles(StatusBarMenu(false, workspace_, actions())),
             QStringList({"Pause Recording", "", "Show Clipboard History", "", "Check for Updates",
                          "Preferences\u2026", "Help", "About", "", "Quit"}));
    qunsetenv("BRIMBLE_UPDATE_FEED_URL");

    StatusBarMenu menu(false, workspace_, actions());

    menu.showQuickSearchItem()->trigger();
    QCOMPARE(showCalls_, 1);
    // Help is Brimble's own manual: nothing goes to a browser or the network.
    menu.helpItem()->trigger();
    QCOMPARE(helpCalls_, 1);
    QVERIFY(workspace_.openedUrls().isEmpty());
    menu.preferencesItem()->trigger();
    QCOMPARE(preferencesCalls_, 1);

    // About shows what the application gathered; a second choice raises the same window.
    menu.aboutItem()->trigger();
    QPointer<AboutDialog> about = menu.aboutPanel();
    QVERIFY(about && about->isVisible());
    QVERIFY(about->text().contains("Brimble 9.8.7"));
    QVERIFY(about->text().contains("/home/u/.local/state/brimble/logs"));
    menu.aboutItem()->trigger();
    QCOMPARE(menu.aboutPanel(), about.data());
    about->closeButton()->click();
    QTRY_VERIFY(!about);
    QVERIFY(workspace_.openedUrls().isEmpty());
}

void TestStatusBarMenu::pasteQueueLineAndItsClear()
{
    StatusBarMenu menu(false, workspace_, actions());
    QSignalSpy cleared(&menu, &StatusBarMenu::clearPasteQueueChosen);
    const auto visible = [&] {
        QStringList titles;
        for (QAction* action : menu.actions())
            if (action->isVisible())
                titles << (action->isEnabled() || action->isSeparator() ? "" : "disabled: ") + action->text();
        return titles.mid(0, 4);
    };
    QCOMPARE(visible().first(), "Pause Recording");

    // A title of the user's with "&" shows as written.
    menu.setPasteQueue(QStringLiteral("Paste queue: 1 of 3 pasted, next: \u201cR&D\u201d"), true);
    QCOMPARE(visible(), QStringList({"disabled: Paste queue: 1 of 3 pasted, next: \u201cR&&D\u201d",
                                     "Clear Paste Queue", "", "Pause Recording"}));
    menu.clearPasteQueueItem()->trigger();
    QCOMPARE(cleared.size(), 1);

    // An ended queue is told, with nothing to clear.
    menu.setPasteQueue(QStringLiteral("Paste queue ended by a new copy: 1 of 3 pasted"), false);
    QCOMPARE(visible().mid(0, 3), QStringList({"disabled: Paste queue ended by a new copy: 1 of 3 pasted", "",
                                               "Pause Recording"}));
    menu.setPasteQueue(QString(), false);
    QCOMPARE(visible().first(), "Pause Recording");
}

void TestStatusBarMenu::pasteQueueTexts()
{
    PasteQueue::Status status;
    status.entries = {{"a", "first line", PasteInfoDisplayType::Text},
                      {"b", QString(), PasteInfoDisplayType::Image}};
    QCOMPARE(Brimble::pasteQueueText(status), QString());
    status.state = PasteQueue::State::Active;
    status.next = 1;
    // An item without text is named by its place and type.
    QCOMPARE(Brimble::pasteQueueText(status),
             QStringLiteral("Paste queue: 1 of 2 pasted, next: item 2 (Image)"));
    status.state = PasteQueue::State::Failed;
    status.message = QStringLiteral("the clipboard could not be taken");
    QCOMPARE(Brimble::pasteQueueText(status),
             QStringLiteral("Paste queue ended: the clipboard could not be taken"));
}

void TestStatusBarMenu::pauseItemFollowsTheSwitch()
{
    QCOMPARE(StatusBarMenu(true, workspace_, actions()).pauseRecordingItem()->text(), "Continue Recording");

    auto menu = std::make_unique<StatusBarMenu>(false, workspace_, actions());
    QAction* item = menu->pauseRecordingItem();
    item->trigger();
    QCOMPARE(requestedPauses_, QList<bool>{true});
    // Not yet stored: the title still tells the truth, and a second choice must wait.
    QCOMPARE(item->text(), "Pause Recording");
    QVERIFY(!item->isEnabled());
    pendingDone_();
    QCOMPARE(item->text(), "Continue Recording");
    QVERIFY(item->isEnabled());
    QVERIFY(menu->isRecordingPaused());

    // `brimble resume` changed it elsewhere; the next choice pauses again.
    menu->setRecordingPaused(false);
    QCOMPARE(item->text(), "Pause Recording");
    item->trigger();
    QCOMPARE(requestedPauses_, QList<bool>({true, true}));

    // The switch may be stored after the menu is gone.
    menu.reset();
    pendingDone_();
}

void TestStatusBarMenu::autoPasteAlertLeadsToTheManual()
{
    int learnMoreCalls = 0;
    QTemporaryDir dir;
    Preferences preferences(dir.filePath(QStringLiteral("preferences.json")));
    QPointer<QMessageBox> box = Brimble::showAccessibilityPrompt(
        preferences, QStringLiteral("This compositor offers no virtual keyboard"), [&] { ++learnMoreCalls; });
    QVERIFY(box);
    QStringList buttons;
    for (QAbstractButton* button : box->buttons())
        buttons << button->text();
    buttons.sort();
    // Nothing on Linux turns key synthesis on: the alert says why and where to read more.
    QCOMPARE(buttons, QStringList({"Learn More", "Not Now"}));
    QCOMPARE(box->defaultButton()->text(), QStringLiteral("Not Now"));
    QCOMPARE(box->windowTitle(), QStringLiteral("Automatic Paste Unavailable"));
    QVERIFY(box->checkBox());

    // Not Now closes it and opens nothing.
    box->defaultButton()->click();
    QCOMPARE(learnMoreCalls, 0);
    QTRY_VERIFY(!box);

    box = Brimble::showAccessibilityPrompt(preferences, QStringLiteral("no XTEST"), [&] { ++learnMoreCalls; });
    for (QAbstractButton* button : box->buttons())
        if (button->text() == QStringLiteral("Learn More"))
            button->click();
    QCOMPARE(learnMoreCalls, 1);
    QTRY_VERIFY(!box);
    QVERIFY(workspace_.openedUrls().isEmpty());
}

QTEST_MAIN(TestStatusBarMenu)
#include "tst_statusbarmenu.moc"
