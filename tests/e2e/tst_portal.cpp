#include "E2eSupport.h"

#include "RequiredServices.h"
#include "model/Preferences.h"
#include "platform/fake/FakeHotKeys.h"
#include "platform/portal/PortalHotKeys.h"
#include "platform/portal/PortalKeySynthesizer.h"
#include "platform/x11/X11HotKeys.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <future>
#include <memory>

// The hot key and the paste key stroke of a Wayland session, against a stand-in for the desktop
// portal on a private session bus (tests/e2e/helpers/fakeportal, written to the portal's
// published interfaces), and the X11 key grab a session without the portal keeps.
class TestPortal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void shortcutIsBoundAndActivationCalls();
    void declinedBindingFallsBack();
    void busWithoutPortalKeepsTheKeyGrab();
    void pasteGoesThroughRemoteDesktopAndIsRestored();
    void declinedPasteIsRememberedAndNotAskedAgain();
    void activationTogglesThePanelOfTheProgram();
    void dialogLeftOpenStallsNothing();

private:
    // A bus of our own: dbus-daemon prints its address and runs until killed.
    static std::unique_ptr<QProcess> startBus(QString* address);
    QStringList calls();
    void control(const QString& method, const QVariantList& arguments = {});
    QDBusConnection busConnection(const QString& name, const QString& address);

    static constexpr KeyCombo ctrlAltV{9, CarbonModifier::command | CarbonModifier::option};

    std::unique_ptr<QProcess> bus_;
    std::unique_ptr<QProcess> emptyBus_;
    QString address_;
    QString emptyAddress_;
    std::unique_ptr<HelperProcess> portal_;
    int connections_ = 0;
};

std::unique_ptr<QProcess> TestPortal::startBus(QString* address)
{
    auto bus = std::make_unique<QProcess>();
    bus->start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                QStringLiteral("--print-address=1")});
    if (!bus->waitForStarted(5000) || !E2e::waitUntil([&] { return bus->canReadLine(); }, 5000))
        return nullptr;
    *address = QString::fromUtf8(bus->readLine()).trimmed();
    return bus;
}

void TestPortal::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QGuiApplication::platformName() != "xcb")
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
    bus_ = startBus(&address_);
    QVERIFY2(bus_, "dbus-daemon did not start");
    emptyBus_ = startBus(&emptyAddress_);
    QVERIFY2(emptyBus_, "dbus-daemon did not start");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    portal_ = std::make_unique<HelperProcess>("fakeportal", QStringList(), env);
    QVERIFY(portal_->waitReady());
    QVERIFY(QDBusConnection::connectToBus(address_, QStringLiteral("control")).isConnected());
}

void TestPortal::cleanupTestCase()
{
    portal_.reset();
    for (auto* bus : {bus_.get(), emptyBus_.get()}) {
        if (!bus)
            continue;
        bus->kill();
        bus->waitForFinished(3000);
    }
}

void TestPortal::init()
{
    control("ClearCalls");
    control("SetAnswer", {QStringLiteral("BindShortcuts"), 0u});
    control("SetAnswer", {QStringLiteral("Start"), 0u});
}

QDBusConnection TestPortal::busConnection(const QString& name, const QString& address)
{
    return QDBusConnection::connectToBus(address, QStringLiteral("%1-%2").arg(name).arg(++connections_));
}

QStringList TestPortal::calls()
{
    const QDBusConnection bus = QDBusConnection(QStringLiteral("control"));
    const QDBusReply<QStringList> reply = bus.call(
        QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                                       "app.brimble.test.FakePortal", "Calls"));
    return reply.isValid() ? reply.value()
                           : QStringList{QStringLiteral("no answer: ") + reply.error().message()};
}

void TestPortal::control(const QString& method, const QVariantList& arguments)
{
    const QDBusConnection bus = QDBusConnection(QStringLiteral("control"));
    QDBusMessage message =
        QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                                       "app.brimble.test.FakePortal", method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus.call(message);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
}

void TestPortal::shortcutIsBoundAndActivationCalls()
{
    auto fallback = std::make_unique<FakeHotKeys>();
    FakeHotKeys* grab = fallback.get();
    PortalHotKeys hotKeys(std::move(fallback), busConnection("shortcuts", address_));
    int changes = 0;
    hotKeys.setDesktopShortcutListener([&] { ++changes; });
    int presses = 0;
    QCOMPARE(hotKeys.registerHotKey(ctrlAltV, [&] { ++presses; }), HotKeys::Result::registered);

    QTRY_COMPARE(hotKeys.desktopShortcut().state, HotKeys::DesktopShortcut::State::bound);
    QCOMPARE(hotKeys.desktopShortcut().trigger, QStringLiteral("Ctrl+Alt+V"));
    QVERIFY(hotKeys.desktopShortcut().configurable);
    QVERIFY(changes > 0);
    QVERIFY2(
        calls().contains("GlobalShortcuts.BindShortcuts toggle-quick-search preferred_trigger=CTRL+ALT+v"),
        qPrintable(calls().join('\n')));
    // The desktop has the keys now; an X11 grab of the same keys would answer twice.
    QVERIFY(!grab->isRegistered(ctrlAltV));

    // One press is one call, however often a held key repeats the activation.
    control("Activate", {PortalHotKeys::shortcutId});
    QTRY_COMPARE(presses, 1);
    control("Activate", {PortalHotKeys::shortcutId});
    control("Deactivate", {PortalHotKeys::shortcutId});
    control("Activate", {PortalHotKeys::shortcutId});
    QTRY_COMPARE(presses, 2);
    QTest::qWait(100);
    QCOMPARE(presses, 2);

    // While unregistered (a new shortcut is recorded) the desktop's presses are ignored.
    hotKeys.unregisterHotKey(ctrlAltV);
    control("Deactivate", {PortalHotKeys::shortcutId});
    control("Activate", {PortalHotKeys::shortcutId});
    QTest::qWait(200);
    QCOMPARE(presses, 2);

    // Keys changed in the desktop's dialog show at once.
    hotKeys.configureDesktopShortcut();
    QTRY_VERIFY(calls().contains("GlobalShortcuts.ConfigureShortcuts"));
    control("SetTrigger", {QStringLiteral("Super+V")});
    QTRY_COMPARE(hotKeys.desktopShortcut().trigger, QStringLiteral("Super+V"));
    QVERIFY2(!calls().join('\n').contains("error"), qPrintable(calls().join('\n')));
}

void TestPortal::declinedBindingFallsBack()
{
    control("SetAnswer", {QStringLiteral("BindShortcuts"), 1u});
    auto fallback = std::make_unique<FakeHotKeys>();
    FakeHotKeys* grab = fallback.get();
    PortalHotKeys hotKeys(std::move(fallback), busConnection("declined", address_));
    int presses = 0;
    hotKeys.registerHotKey(ctrlAltV, [&] { ++presses; });
    QTRY_COMPARE(hotKeys.desktopShortcut().state, HotKeys::DesktopShortcut::State::declined);
    QVERIFY(hotKeys.desktopShortcut().trigger.isEmpty());
    QVERIFY(grab->isRegistered(ctrlAltV));
    QVERIFY(grab->press(ctrlAltV));
    QCOMPARE(presses, 1);
}

void TestPortal::busWithoutPortalKeepsTheKeyGrab()
{
    QString whyNot;
    std::unique_ptr<HotKeys> grab = X11HotKeys::create(&whyNot);
    QVERIFY2(grab, qPrintable(whyNot));
    PortalHotKeys hotKeys(std::move(grab), busConnection("empty", emptyAddress_));
    int presses = 0;
    QCOMPARE(hotKeys.registerHotKey(ctrlAltV, [&] { ++presses; }), HotKeys::Result::registered);
    QTRY_COMPARE(hotKeys.desktopShortcut().state, HotKeys::DesktopShortcut::State::unavailable);
    QVERIFY(hotKeys.desktopShortcut().problem.contains("no global shortcuts portal"));
    E2e::xdotool({"key", "ctrl+alt+v"});
    QTRY_COMPARE(presses, 1);
    hotKeys.unregisterHotKey(ctrlAltV);
}

void TestPortal::pasteGoesThroughRemoteDesktopAndIsRestored()
{
    QString token;
    bool declined = false;
    PortalConsentStore store{[&] { return token; }, [&](const QString& t) { token = t; },
                             [&] { return declined; }, [&](bool d) { declined = d; }};
    const QStringList chord{
        "RemoteDesktop.NotifyKeyboardKeysym ffe3 1", "RemoteDesktop.NotifyKeyboardKeysym 76 1",
        "RemoteDesktop.NotifyKeyboardKeysym 76 0", "RemoteDesktop.NotifyKeyboardKeysym ffe3 0"};
    const auto keysSent = [&] {
        QStringList keys;
        for (const QString& call : calls())
            if (call.contains("NotifyKeyboardKeysym"))
                keys << call;
        return keys;
    };
    {
        PortalKeySynthesizer keys(nullptr, store, busConnection("paste", address_));
        QVERIFY(!keys.needsTarget());
        // Sent from a thread of its own, as the write-back does; the GUI thread keeps running.
        auto sent = std::async(std::launch::async, [&] { return keys.sendPaste(nullptr); });
        QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(sent.get());
        QCOMPARE(keysSent(), chord);
        QVERIFY2(calls().contains("RemoteDesktop.SelectDevices types=1 persist_mode=2 restore_token="),
                 qPrintable(calls().join('\n')));
        QVERIFY(calls().contains("RemoteDesktop.Start asked"));
        QCOMPARE(token, QStringLiteral("restore-1"));

        // The session stays: the next paste asks nothing.
        control("ClearCalls");
        auto again = std::async(std::launch::async, [&] { return keys.sendPaste(nullptr); });
        QTRY_VERIFY(again.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(again.get());
        QCOMPARE(calls(), chord);
    }

    // A restart restores the grant with the kept token: no dialog, and a new token to keep.
    control("ClearCalls");
    PortalKeySynthesizer keys(nullptr, store, busConnection("restart", address_));
    auto sent = std::async(std::launch::async, [&] { return keys.sendPaste(nullptr); });
    QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(sent.get());
    const QStringList after = calls();
    QVERIFY2(after.contains("RemoteDesktop.SelectDevices types=1 persist_mode=2 restore_token=restore-1"),
             qPrintable(after.join('\n')));
    QVERIFY(after.contains("RemoteDesktop.Start restored"));
    QVERIFY(!after.contains("RemoteDesktop.Start asked"));
    QCOMPARE(keysSent(), chord);
    QCOMPARE(token, QStringLiteral("restore-2"));
    QVERIFY(!declined);
}

void TestPortal::declinedPasteIsRememberedAndNotAskedAgain()
{
    control("SetAnswer", {QStringLiteral("Start"), 1u});
    QString token;
    bool declined = false;
    PortalConsentStore store{[&] { return token; }, [&](const QString& t) { token = t; },
                             [&] { return declined; }, [&](bool d) { declined = d; }};
    {
        PortalKeySynthesizer keys(nullptr, store, busConnection("declined-paste", address_));
        auto sent = std::async(std::launch::async, [&] { return keys.sendPaste(nullptr); });
        QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(!sent.get());
        QVERIFY(declined);
        QVERIFY(!keys.isTrusted(nullptr));
        QVERIFY(!keys.canSynthesize());
        control("ClearCalls");
        auto again = std::async(std::launch::async, [&] { return keys.sendPaste(nullptr); });
        QTRY_VERIFY(again.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(!again.get());
        QVERIFY(calls().isEmpty());
    }
    // Nor after a restart: the answer is kept with the preferences.
    control("ClearCalls");
    PortalKeySynthesizer keys(nullptr, store, busConnection("declined-restart", address_));
    QTRY_VERIFY(!keys.isTrusted(nullptr));
    QTest::qWait(100);
    QVERIFY(calls().isEmpty());
}

void TestPortal::activationTogglesThePanelOfTheProgram()
{
    BrimbleSession session;
    QProcessEnvironment env;
    // An XWayland client in a Wayland session, as under GNOME.
    env.insert("XDG_SESSION_TYPE", "wayland");
    env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    QVERIFY(session.start(env));
    QTRY_VERIFY_WITH_TIMEOUT(calls().join('\n').contains("GlobalShortcuts.BindShortcuts toggle-quick-search"),
                             10000);
    QTRY_VERIFY(session.log().contains("the desktop bound the shortcut"));
    QVERIFY(E2e::panelIsHidden());

    control("Activate", {PortalHotKeys::shortcutId});
    QTRY_VERIFY(E2e::panelIsShownAndFocused());
    control("Deactivate", {PortalHotKeys::shortcutId});
    control("Activate", {PortalHotKeys::shortcutId});
    QTRY_VERIFY(E2e::panelIsHidden());
    control("Deactivate", {PortalHotKeys::shortcutId});

    // The remote desktop session waits for the first paste; nothing was asked at start-up.
    QVERIFY(!calls().join('\n').contains("RemoteDesktop.Start"));

    // Return with no X11 window in front: the key stroke goes through the portal, asked once.
    E2e::xclipCopy("pasted through the portal");
    QVERIFY(session.waitForCount(1));
    control("Activate", {PortalHotKeys::shortcutId});
    QTRY_VERIFY(E2e::panelIsShownAndFocused());
    control("Deactivate", {PortalHotKeys::shortcutId});
    E2e::xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(calls().contains("RemoteDesktop.NotifyKeyboardKeysym ffe3 0"), 10000);
    const QStringList pasted = calls();
    QVERIFY2(pasted.contains("RemoteDesktop.Start asked"), qPrintable(pasted.join('\n')));
    QVERIFY(pasted.indexOf("RemoteDesktop.NotifyKeyboardKeysym 76 1") >
            pasted.indexOf("RemoteDesktop.NotifyKeyboardKeysym ffe3 1"));
    QCOMPARE(E2e::xclipRead("UTF8_STRING"), QByteArray("pasted through the portal"));
    QCOMPARE(session.stop(), 0);
    // The token is kept with the preferences, which only the user may read.
    QFile file(session.preferencesPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"preferences.remote_desktop_restore_token\": \"restore-"));
    QCOMPARE(file.permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
}

void TestPortal::dialogLeftOpenStallsNothing()
{
    BrimbleSession session;
    QProcessEnvironment env;
    env.insert("XDG_SESSION_TYPE", "wayland");
    env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    QVERIFY(session.start(env));
    QTRY_VERIFY(session.log().contains("the desktop bound the shortcut"));
    // The desktop's dialog for sending keys stays open, unanswered.
    control("SetAnswer", {QStringLiteral("Start"), 99u});
    E2e::xclipCopy("first");
    QVERIFY(session.waitForCount(1));
    control("Activate", {PortalHotKeys::shortcutId});
    control("Deactivate", {PortalHotKeys::shortcutId});
    QTRY_VERIFY(E2e::panelIsShownAndFocused());
    E2e::xdotool({"key", "Return"});
    QTRY_VERIFY(calls().contains("RemoteDesktop.Start asked"));

    // Copies are still recorded and the hot key still answers while the paste waits.
    E2e::xclipCopy("second");
    QVERIFY(session.waitForCount(2));
    control("Activate", {PortalHotKeys::shortcutId});
    control("Deactivate", {PortalHotKeys::shortcutId});
    QTRY_VERIFY(E2e::panelIsShownAndFocused());
    QCOMPARE(session.cli({"clipboards"}).exitCode, 0);
    QVERIFY(!calls().join('\n').contains("NotifyKeyboardKeysym"));
    // Nor does it hold up quitting.
    QElapsedTimer quitting;
    quitting.start();
    QCOMPARE(session.terminate(), 0);
    QVERIFY2(quitting.elapsed() < 8000, qPrintable(QString::number(quitting.elapsed())));
}

QTEST_MAIN(TestPortal)
#include "tst_portal.moc"
