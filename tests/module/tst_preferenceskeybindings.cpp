// The Key Bindings tab where the desktop binds the shortcut: what it shows of the desktop's
// binding, and the desktop's own way where it binds none (GNOME's custom shortcuts through a
// real GSettings with a temporary keyfile backend, the configuration line of sway and Hyprland).
#include "TestSupport.h"

#include "RequiredServices.h"
#include "common/SerialQueue.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/preferences/PreferencesKeyBindingViewController.h"
#include "platform/DesktopSession.h"
#include "platform/GnomeCustomKeybinding.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using State = HotKeys::DesktopShortcut::State;

class TestPreferencesKeyBindings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void showsWhatTheDesktopBound();
    void offersTheCompositorsLine_data();
    void offersTheCompositorsLine();
    void gnomeButtonAddsACustomShortcutWithConsent();
    void gsettingsArraysRoundTrip();

private:
    // Actions whose desktop shortcut the test sets; changes are told to the tab.
    PreferencesActions actions();
    static QString gsettings(const QStringList& arguments);

    HotKeys::DesktopShortcut shortcut_;
    int configured_ = 0;
};

void TestPreferencesKeyBindings::initTestCase()
{
    Localized::install();
    qputenv("GSETTINGS_BACKEND", "keyfile");
}

void TestPreferencesKeyBindings::init()
{
    shortcut_ = {};
    configured_ = 0;
    qunsetenv("SWAYSOCK");
    qunsetenv("HYPRLAND_INSTANCE_SIGNATURE");
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
}

PreferencesActions TestPreferencesKeyBindings::actions()
{
    PreferencesActions actions;
    actions.desktopShortcut = [this] { return shortcut_; };
    actions.configureDesktopShortcut = [this] { ++configured_; };
    return actions;
}

QString TestPreferencesKeyBindings::gsettings(const QStringList& arguments)
{
    QProcess process;
    process.start("gsettings", arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void TestPreferencesKeyBindings::showsWhatTheDesktopBound()
{
    TestHome home;
    SerialQueue writes(QStringLiteral("preferences-test"));
    PreferencesKeyBindingViewController tab(preferences(), actions(), writes);
    tab.show();
    // Brimble grabs its keys itself (X11): nothing about the desktop.
    QVERIFY(!tab.desktopShortcutStatus()->isVisibleTo(&tab));

    shortcut_.state = State::asking;
    tab.refreshDesktopShortcut();
    QVERIFY(tab.desktopShortcutStatus()->isVisibleTo(&tab));
    QCOMPARE(tab.desktopShortcutStatus()->text(), LocalizedPreferences::desktopShortcutAsking());
    QVERIFY(!tab.changeDesktopShortcutButton()->isVisibleTo(&tab));

    shortcut_ = {State::bound, QStringLiteral("Ctrl+Alt+V"), true, {}};
    tab.refreshDesktopShortcut();
    QVERIFY(tab.desktopShortcutStatus()->text().contains("Ctrl+Alt+V"));
    QVERIFY(!tab.addGnomeShortcutButton()->isVisibleTo(&tab));
    QVERIFY(tab.changeDesktopShortcutButton()->isVisibleTo(&tab));
    tab.changeDesktopShortcutButton()->click();
    QCOMPARE(configured_, 1);

    // A portal before version 2 has no dialog to change the keys.
    shortcut_ = {State::bound, QString(), false, {}};
    tab.refreshDesktopShortcut();
    QCOMPARE(tab.desktopShortcutStatus()->text(), LocalizedPreferences::desktopShortcutNoKeys());
    QVERIFY(!tab.changeDesktopShortcutButton()->isVisibleTo(&tab));
}

void TestPreferencesKeyBindings::offersTheCompositorsLine_data()
{
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<KeyCombo>("combo");
    QTest::addColumn<QString>("line");
    const KeyCombo ctrlAltV{9, CarbonModifier::command | CarbonModifier::option};
    const KeyCombo superShiftSpace{49, CarbonModifier::control | CarbonModifier::shift};
    QTest::newRow("sway") << QByteArray("sway") << ctrlAltV << "bindsym Ctrl+Alt+v exec brimble toggle";
    QTest::newRow("hyprland") << QByteArray("Hyprland") << ctrlAltV
                              << "bind = CTRL ALT, V, exec, brimble toggle";
    QTest::newRow("sway, super") << QByteArray("sway") << superShiftSpace
                                 << "bindsym Shift+Mod4+space exec brimble toggle";
    QTest::newRow("other") << QByteArray("XFCE") << ctrlAltV << QString();
}

void TestPreferencesKeyBindings::offersTheCompositorsLine()
{
    QFETCH(QByteArray, desktop);
    QFETCH(KeyCombo, combo);
    QFETCH(QString, line);
    TestHome home;
    preferences().setShowQuickSearchWindowHotKey(combo);
    qputenv("XDG_CURRENT_DESKTOP", desktop);
    shortcut_ = {State::unavailable, {}, false, QStringLiteral("no portal")};
    SerialQueue writes(QStringLiteral("preferences-test"));
    PreferencesKeyBindingViewController tab(preferences(), actions(), writes);
    tab.show();
    QVERIFY(tab.desktopShortcutStatus()->text().startsWith(LocalizedPreferences::desktopShortcutNoPortal()));
    QVERIFY(!tab.addGnomeShortcutButton()->isVisibleTo(&tab));
    if (line.isEmpty()) {
        QVERIFY(!tab.configurationLine()->isVisibleTo(&tab));
        QVERIFY(tab.desktopShortcutStatus()->text().contains("brimble toggle"));
        return;
    }
    QVERIFY(tab.configurationLine()->isVisibleTo(&tab));
    QVERIFY(tab.configurationLine()->isReadOnly());
    QCOMPARE(tab.configurationLine()->text(), line);
}

void TestPreferencesKeyBindings::gnomeButtonAddsACustomShortcutWithConsent()
{
    if (!GnomeCustomKeybinding::isAvailable() ||
        !gsettings({"list-schemas"}).contains(GnomeCustomKeybinding::listSchema))
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs gsettings and GNOME's media-keys schema (scripts/setup installs them)");
    TestHome home;
    // XDG_CONFIG_HOME is the test's: the keyfile backend keeps GNOME's settings there.
    const QString other =
        QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/");
    gsettings({"set", GnomeCustomKeybinding::listSchema, "custom-keybindings", "['" + other + "']"});
    preferences().setShowQuickSearchWindowHotKey(
        KeyCombo{9, CarbonModifier::command | CarbonModifier::option});

    shortcut_ = {State::declined, {}, false, QStringLiteral("declined")};
    SerialQueue writes(QStringLiteral("preferences-test"));
    PreferencesKeyBindingViewController tab(preferences(), actions(), writes);
    tab.show();
    QVERIFY(tab.desktopShortcutStatus()->text().startsWith(LocalizedPreferences::desktopShortcutDeclined()));
    QVERIFY(tab.addGnomeShortcutButton()->isVisibleTo(&tab));

    const auto confirmation = [&tab] {
        const QList<QMessageBox*> boxes = tab.findChildren<QMessageBox*>();
        return boxes.isEmpty() ? nullptr : boxes.last();
    };
    const auto press = [](QMessageBox* box, QMessageBox::ButtonRole role) {
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == role)
                button->click();
    };

    // Cancel, the default, changes nothing.
    tab.addGnomeShortcutButton()->click();
    QTRY_VERIFY(confirmation());
    QCOMPARE(confirmation()->defaultButton(), confirmation()->escapeButton());
    QVERIFY(confirmation()->text().contains("Ctrl+Alt+V"));
    press(confirmation(), QMessageBox::RejectRole);
    QTest::qWait(300);
    QCOMPARE(GnomeCustomKeybinding::parseStringArray(
                 gsettings({"get", GnomeCustomKeybinding::listSchema, "custom-keybindings"})),
             QStringList{other});

    // Added twice (a second time from preferences opened anew): listed once all the same.
    for (int attempt = 0; attempt < 2; ++attempt) {
        PreferencesKeyBindingViewController fresh(preferences(), actions(), writes);
        PreferencesKeyBindingViewController& view = attempt == 0 ? tab : fresh;
        view.show();
        QTRY_VERIFY(!confirmation());
        view.addGnomeShortcutButton()->click();
        const auto box = [&view] {
            const QList<QMessageBox*> boxes = view.findChildren<QMessageBox*>();
            return boxes.isEmpty() ? nullptr : boxes.last();
        };
        QTRY_VERIFY(box());
        press(box(), QMessageBox::AcceptRole);
        QTRY_VERIFY_WITH_TIMEOUT(view.desktopShortcutStatus()->text().contains(
                                     LocalizedPreferences::gnomeShortcutAdded("Ctrl+Alt+V")),
                                 15000);
        // Shown instead of the offer.
        QVERIFY(!view.addGnomeShortcutButton()->isVisibleTo(&view));
        // The user's own shortcuts stay, in order.
        QCOMPARE(GnomeCustomKeybinding::parseStringArray(
                     gsettings({"get", GnomeCustomKeybinding::listSchema, "custom-keybindings"})),
                 (QStringList{other, GnomeCustomKeybinding::entryPath}));
        const QString entry = GnomeCustomKeybinding::entrySchema + ':' + GnomeCustomKeybinding::entryPath;
        QCOMPARE(gsettings({"get", entry, "command"}), QStringLiteral("'brimble toggle'"));
        QCOMPARE(gsettings({"get", entry, "binding"}), QStringLiteral("'<Control><Alt>v'"));
        QCOMPARE(gsettings({"get", entry, "name"}), QStringLiteral("'Brimble'"));
    }
}

void TestPreferencesKeyBindings::gsettingsArraysRoundTrip()
{
    QCOMPARE(GnomeCustomKeybinding::parseStringArray("@as []"), QStringList());
    const QStringList odd{"/a/", "it's", "back\\slash"};
    QCOMPARE(GnomeCustomKeybinding::parseStringArray(GnomeCustomKeybinding::formatStringArray(odd)), odd);
    QCOMPARE(GnomeCustomKeybinding::formatStringArray({}), QStringLiteral("@as []"));
}

QTEST_MAIN(TestPreferencesKeyBindings)
#include "tst_preferenceskeybindings.moc"
