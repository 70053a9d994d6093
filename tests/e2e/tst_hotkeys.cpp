#include "platform/x11/X11HotKeys.h"

#include "RequiredServices.h"
#include "platform/KeyTable.h"
#include "platform/x11/XcbReply.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <vector>

// Global hot keys against a real X server: key strokes from xdotool, and a second connection
// of our own standing in for another program that grabs keys.
class TestHotKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void pressCallsTheHandler_data();
    void pressCallsTheHandler();
    void combinationHeldElsewhereIsReported();
    void followsAKeyboardRemap();

private:
    static bool sendKeys(const QString& keys);
    xcb_keycode_t keycodeOf(xcb_keysym_t keysym) const;
    // Grabs the key with Ctrl+Alt (and the lock) on the other connection; false on BadAccess.
    bool otherGrab(xcb_keycode_t keycode, uint16_t lock = 0);
    void otherUngrab(xcb_keycode_t keycode, uint16_t lock = 0);
    std::vector<xcb_keysym_t> keysymsOf(xcb_keycode_t keycode, uint8_t* perKeycode) const;
    void setKeysyms(xcb_keycode_t keycode, const std::vector<xcb_keysym_t>& keysyms, uint8_t perKeycode);

    static constexpr KeyCombo ctrlAltV{9, CarbonModifier::command | CarbonModifier::option};
    static constexpr KeyCombo ctrlAltB{11, CarbonModifier::command | CarbonModifier::option};
    static constexpr uint16_t ctrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

    std::unique_ptr<X11HotKeys> hotKeys_;
    xcb_connection_t* other_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_key_symbols_t* symbols_ = nullptr;
    int presses_ = 0;
};

void TestHotKeys::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QGuiApplication::platformName() != "xcb")
        BRIMBLE_SKIP_UNLESS_REQUIRED("needs an X display (scripts/test starts one)");
    QString whyNot;
    hotKeys_ = X11HotKeys::create(&whyNot);
    QVERIFY2(hotKeys_, qPrintable(whyNot));
    other_ = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other_));
    root_ = xcb_setup_roots_iterator(xcb_get_setup(other_)).data->root;
    symbols_ = xcb_key_symbols_alloc(other_);
}

void TestHotKeys::cleanupTestCase()
{
    hotKeys_.reset();
    if (symbols_)
        xcb_key_symbols_free(symbols_);
    if (other_)
        xcb_disconnect(other_);
}

void TestHotKeys::init()
{
    presses_ = 0;
}

bool TestHotKeys::sendKeys(const QString& keys)
{
    return QProcess::execute("xdotool", {"key", keys}) == 0;
}

xcb_keycode_t TestHotKeys::keycodeOf(xcb_keysym_t keysym) const
{
    ReplyPtr<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols_, keysym));
    return codes ? codes.get()[0] : XCB_NO_SYMBOL;
}

bool TestHotKeys::otherGrab(xcb_keycode_t keycode, uint16_t lock)
{
    ReplyPtr<xcb_generic_error_t> error(
        xcb_request_check(other_, xcb_grab_key_checked(other_, 1, root_, ctrlAlt | lock, keycode,
                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
    return !error;
}

void TestHotKeys::otherUngrab(xcb_keycode_t keycode, uint16_t lock)
{
    xcb_ungrab_key(other_, keycode, root_, ctrlAlt | lock);
    ReplyPtr<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(other_, xcb_get_input_focus(other_), nullptr));
}

void TestHotKeys::pressCallsTheHandler_data()
{
    QTest::addColumn<QString>("lock");
    QTest::newRow("no lock") << QString();
    QTest::newRow("caps lock on") << QStringLiteral("Caps_Lock");
    QTest::newRow("num lock on") << QStringLiteral("Num_Lock");
}

void TestHotKeys::pressCallsTheHandler()
{
    QFETCH(QString, lock);
    QCOMPARE(hotKeys_->registerHotKey(ctrlAltV, [this] { ++presses_; }), HotKeys::Result::registered);
    if (!lock.isEmpty())
        QVERIFY(sendKeys(lock));
    QVERIFY(sendKeys("ctrl+alt+v"));
    if (!lock.isEmpty())
        QVERIFY(sendKeys(lock));
    QTRY_COMPARE(presses_, 1);
    QVERIFY(sendKeys("ctrl+alt+v"));
    QTRY_COMPARE(presses_, 2);

    // Unregistering gives the combination back: another program can take it now.
    hotKeys_->unregisterHotKey(ctrlAltV);
    const xcb_keycode_t v = keycodeOf('v');
    QVERIFY(otherGrab(v));
    otherUngrab(v);
}

void TestHotKeys::combinationHeldElsewhereIsReported()
{
    const xcb_keycode_t b = keycodeOf('b');
    QVERIFY(otherGrab(b));
    QCOMPARE(hotKeys_->registerHotKey(ctrlAltB, [this] { ++presses_; }),
             HotKeys::Result::heldByAnotherClient);
    // Nothing of the failed attempt stays grabbed: the Caps Lock variant is free.
    QVERIFY(otherGrab(b, XCB_MOD_MASK_LOCK));
    otherUngrab(b, XCB_MOD_MASK_LOCK);
    otherUngrab(b);
    QCOMPARE(hotKeys_->registerHotKey(ctrlAltB, [this] { ++presses_; }), HotKeys::Result::registered);
    QVERIFY(sendKeys("ctrl+alt+b"));
    QTRY_COMPARE(presses_, 1);
    hotKeys_->unregisterHotKey(ctrlAltB);
}

std::vector<xcb_keysym_t> TestHotKeys::keysymsOf(xcb_keycode_t keycode, uint8_t* perKeycode) const
{
    ReplyPtr<xcb_get_keyboard_mapping_reply_t> reply(
        xcb_get_keyboard_mapping_reply(other_, xcb_get_keyboard_mapping(other_, keycode, 1), nullptr));
    if (!reply)
        return {};
    *perKeycode = reply->keysyms_per_keycode;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    return std::vector<xcb_keysym_t>(syms, syms + reply->keysyms_per_keycode);
}

void TestHotKeys::setKeysyms(xcb_keycode_t keycode, const std::vector<xcb_keysym_t>& keysyms,
                             uint8_t perKeycode)
{
    xcb_change_keyboard_mapping(other_, 1, keycode, perKeycode, keysyms.data());
    ReplyPtr<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(other_, xcb_get_input_focus(other_), nullptr));
}

void TestHotKeys::followsAKeyboardRemap()
{
    QCOMPARE(hotKeys_->registerHotKey(ctrlAltV, [this] { ++presses_; }), HotKeys::Result::registered);
    // Move V onto a key code that has no symbol, as a layout switch can.
    const xcb_keycode_t oldV = keycodeOf('v');
    uint8_t perKeycode = 0;
    const std::vector<xcb_keysym_t> oldVSyms = keysymsOf(oldV, &perKeycode);
    QVERIFY(!oldVSyms.empty());
    xcb_keycode_t spare = xcb_get_setup(other_)->max_keycode;
    std::vector<xcb_keysym_t> spareSyms;
    for (; spare > oldV; --spare) {
        spareSyms = keysymsOf(spare, &perKeycode);
        if (std::all_of(spareSyms.begin(), spareSyms.end(),
                        [](xcb_keysym_t s) { return s == XCB_NO_SYMBOL; }))
            break;
    }
    QVERIFY2(spare > oldV, "no free key code to move V to");
    setKeysyms(spare, oldVSyms, perKeycode);
    setKeysyms(oldV, spareSyms, perKeycode);

    // xdotool types V on the new key code; the press arrives once the grab has moved with it.
    QTRY_VERIFY_WITH_TIMEOUT((sendKeys("ctrl+alt+v"), presses_ > 0), 10000);

    setKeysyms(oldV, oldVSyms, perKeycode);
    setKeysyms(spare, spareSyms, perKeycode);
    hotKeys_->unregisterHotKey(ctrlAltV);
}

QTEST_MAIN(TestHotKeys)
#include "tst_hotkeys.moc"
