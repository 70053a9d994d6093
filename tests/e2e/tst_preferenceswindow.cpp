// The preferences window on a real X server, driven from the keyboard with xdotool: how it is
// opened, a shortcut recorded and reset, the retention shortened, an application ignored and
// start at login switched.
#include "E2eSupport.h"
#include "TestSupport.h"

#include "RequiredServices.h"
#include "model/CoreDataManager.h"
#include "model/Preferences.h"
#include "platform/x11/XcbReply.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {
using E2e::xdotool;

bool key(const QString& keys)
{
    return QProcess::execute("xdotool", {"key", "--clearmodifiers", keys}) == 0;
}

QString shownWindow(const QString& name)
{
    return xdotool({"search", "--onlyvisible", "--name", name}).section('\n', 0, 0);
}

// The preferences window's X window while it is mapped and active, else empty.
QString activePreferences()
{
    const QString window = shownWindow("^(General|Key Bindings|Rules)( .*Brimble)?$");
    return !window.isEmpty() && xdotool({"getactivewindow"}) == window ? window : QString();
}

bool isActive(const QString& name)
{
    const QString window = shownWindow(name);
    return !window.isEmpty() && xdotool({"getactivewindow"}) == window;
}

bool panelIsShown()
{
    return !shownWindow("^Brimble$").isEmpty();
}

// Opens the preferences on a tab, the way a user left them last time.
void startOnTab(BrimbleSession& session, int tab)
{
    QDir().mkpath(QFileInfo(session.preferencesPath()).path());
    Preferences(session.preferencesPath()).setWindowTabIndex(tab);
    QVERIFY(session.start());
    QCOMPARE(session.cli({"preferences"}).exitCode, 0);
    QVERIFY2(E2e::waitUntil([] { return !activePreferences().isEmpty(); }, 5000), qPrintable(session.log()));
}

// Whether another client could grab the combination on V now.
bool otherClientCanGrabV(uint16_t modifiers)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    ReplyPtr<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols, 'v'));
    const xcb_keycode_t v = codes ? codes.get()[0] : XCB_NO_SYMBOL;
    ReplyPtr<xcb_generic_error_t> error(
        xcb_request_check(connection, xcb_grab_key_checked(connection, 1, root, modifiers, v,
                                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
    xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
    return !error;
}
} // namespace

class TestPreferencesWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void menuKeyAndCommandOpenTheSameWindow();
    void recordsResetsAndRerecordsTheShortcut();
    void shorterRetentionAsksAndSweeps();
    void ignoredApplicationIsNotRecorded();
    void startAtLoginWritesTheAutostartEntry();
};

void TestPreferencesWindow::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
}

void TestPreferencesWindow::menuKeyAndCommandOpenTheSameWindow()
{
    BrimbleSession session;
    startOnTab(session, 0);
    const QString window = activePreferences();
    QVERIFY(key("ctrl+w"));
    QVERIFY(E2e::waitUntil([] { return activePreferences().isEmpty(); }, 5000));

    QCOMPARE(session.cli({"toggle"}).exitCode, 0);
    QVERIFY(E2e::waitUntil(panelIsShown, 5000));
    QVERIFY(key("ctrl+comma"));
    QVERIFY2(E2e::waitUntil([&] { return activePreferences() == window; }, 5000), qPrintable(session.log()));
    QVERIFY(!panelIsShown());
    QCOMPARE(session.stop(), 0);
}

void TestPreferencesWindow::recordsResetsAndRerecordsTheShortcut()
{
    const uint16_t shiftSuper = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4;
    BrimbleSession session;
    startOnTab(session, 1);
    // The recorder has the focus; Space starts recording and releases the current shortcut, so
    // pressing that very shortcut is recorded instead of showing the panel.
    QVERIFY(key("space"));
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("hot key released"); }, 5000));
    QVERIFY(key("ctrl+alt+v"));
    QVERIFY2(E2e::waitUntil([&] { return session.log().contains("success, hot key: Ctrl+Alt+V"); }, 5000),
             qPrintable(session.log()));
    QVERIFY(!panelIsShown());

    QVERIFY(key("space"));
    QVERIFY(key("super+shift+v"));
    QVERIFY2(
        E2e::waitUntil(
            [&] { return session.log().contains("hot key Shift+Super+V shows the quick search window"); },
            5000),
        qPrintable(session.log()));
    QVERIFY(key("super+shift+v"));
    QVERIFY2(E2e::waitUntil(panelIsShown, 5000), qPrintable(session.log()));
    QVERIFY(key("Escape"));
    QVERIFY(E2e::waitUntil([] { return !panelIsShown(); }, 5000));
    QVERIFY(key("ctrl+alt+v"));
    E2e::settle(500);
    QVERIFY(!panelIsShown());
    QVERIFY(otherClientCanGrabV(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    const KeyCombo shiftSuperV{9, CarbonModifier::shift | CarbonModifier::control};
    QVERIFY(E2e::waitUntil(
        [&] { return Preferences(session.preferencesPath()).showQuickSearchWindowHotKey() == shiftSuperV; },
        5000));

    // Reset (Backspace on the recorder) leaves no grab and no stored shortcut.
    QCOMPARE(session.cli({"preferences"}).exitCode, 0);
    QVERIFY(E2e::waitUntil([] { return !activePreferences().isEmpty(); }, 5000));
    QVERIFY(key("BackSpace"));
    QVERIFY(E2e::waitUntil([&] { return session.log().contains("no hot key shows"); }, 5000));
    QVERIFY(otherClientCanGrabV(shiftSuper));
    QVERIFY(E2e::waitUntil(
        [&] { return !Preferences(session.preferencesPath()).showQuickSearchWindowHotKey(); }, 5000));
    QCOMPARE(session.stop(), 0);
}

void TestPreferencesWindow::shorterRetentionAsksAndSweeps()
{
    BrimbleSession session;
    {
        CoreDataManager store;
        QVERIFY(store.open(session.databasePath()));
        const QDateTime now = QDateTime::currentDateTime();
        store.insertPasteInf(textCapture("two days old", now.addDays(-2)));
        store.insertPasteInf(textCapture("fresh", now));
        store.close();
    }
    startOnTab(session, 0);
    QCOMPARE(session.storedCount(), 2);
    QFile file(session.preferencesPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // Alt+K focuses the slider; Home moves it to one day, which asks. Cancelling changes nothing.
    QVERIFY(key("alt+k"));
    QVERIFY(key("Home"));
    QVERIFY2(E2e::waitUntil([] { return isActive("^Reduce history capacity!"); }, 5000),
             qPrintable(session.log()));
    QVERIFY(key("Escape"));
    QVERIFY(E2e::waitUntil([] { return shownWindow("^Reduce history capacity!").isEmpty(); }, 5000));
    E2e::settle(500);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();
    QCOMPARE(session.storedCount(), 2);

    // Confirming (Delete is the button after the default Cancel) stores the level and sweeps.
    QVERIFY(key("Home"));
    QVERIFY(E2e::waitUntil([] { return isActive("^Reduce history capacity!"); }, 5000));
    QVERIFY(key("Tab"));
    QVERIFY(key("space"));
    QVERIFY2(E2e::waitUntil([&] { return session.storedCount() == 1; }, 8000), qPrintable(session.log()));
    QCOMPARE(Preferences(session.preferencesPath()).historyCapacity(), 0);
    QCOMPARE(session.stop(), 0);
}

void TestPreferencesWindow::ignoredApplicationIsNotRecorded()
{
    BrimbleSession session;
    startOnTab(session, 2);
    QVERIFY(key("alt+a"));
    QVERIFY2(E2e::waitUntil([] { return isActive("^Choose Applications to Ignore"); }, 5000),
             qPrintable(session.log()));
    QVERIFY(QProcess::execute("xdotool", {"type", "--delay", "20", session.desktopFilePath()}) == 0);
    QVERIFY(key("Return"));
    QVERIFY2(E2e::waitUntil([&] { return session.log().contains("2 ignore rule(s) in effect"); }, 8000),
             qPrintable(session.log()));

    HelperProcess owner("clipowner",
                        {"--class", BrimbleSession::testAppClass, "--target", "UTF8_STRING=kept out"},
                        session.environment());
    QVERIFY(owner.waitReady());
    QVERIFY2(E2e::waitUntil(
                 [&] { return session.log().contains("ignore app: " + BrimbleSession::testAppId); }, 5000),
             qPrintable(session.log()));
    QCOMPARE(session.storedCount(), 0);
    QCOMPARE(session.stop(), 0);
}

void TestPreferencesWindow::startAtLoginWritesTheAutostartEntry()
{
    BrimbleSession session;
    startOnTab(session, 0);
    const QString entry = session.home() + "/config/autostart/brimble.desktop";
    const auto contents = [&] {
        QFile file(entry);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QVERIFY(key("alt+l"));
    QVERIFY2(E2e::waitUntil([&] { return contents().contains("Exec="); }, 5000), qPrintable(session.log()));
    QVERIFY(!contents().contains("Hidden=true"));
    QVERIFY(key("alt+l"));
    QVERIFY(E2e::waitUntil([&] { return contents().contains("Hidden=true"); }, 5000));
    QCOMPARE(Preferences(session.preferencesPath()).launchAtLogin(), false);
    QCOMPARE(session.stop(), 0);
}

QTEST_GUILESS_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
