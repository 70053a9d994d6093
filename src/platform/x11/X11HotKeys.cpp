#include "platform/x11/X11HotKeys.h"

#include "common/Log.h"
#include "platform/KeyTable.h"
#include "platform/x11/XcbReply.h"

#include <QGuiApplication>

namespace {

const QString kTag = QStringLiteral("X11HotKeys");

// X protocol error code of a grab that another client already holds.
constexpr uint8_t kBadAccess = 10;
// XKB event subtypes (byte 1 of an XKB event) after which keys may sit on other key codes.
constexpr uint8_t kXkbNewKeyboardNotify = 0;
constexpr uint8_t kXkbMapNotify = 1;

constexpr xcb_keysym_t kNumLock = 0xff7f;
constexpr xcb_keysym_t kAltL = 0xffe9;
constexpr xcb_keysym_t kAltR = 0xffea;
constexpr xcb_keysym_t kMetaL = 0xffe7;
constexpr xcb_keysym_t kSuperL = 0xffeb;
constexpr xcb_keysym_t kSuperR = 0xffec;

} // namespace

std::unique_ptr<X11HotKeys> X11HotKeys::create(QString* whyNot)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) {
        *whyNot = QStringLiteral("Brimble does not run on the xcb platform");
        return nullptr;
    }
    return std::unique_ptr<X11HotKeys>(new X11HotKeys(x11->connection()));
}

X11HotKeys::X11HotKeys(xcb_connection_t* connection) : connection_(connection)
{
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection_)); it.rem; xcb_screen_next(&it))
        roots_.append(it.data->root);
    // Qt selects XKB events on its connection, and the server then sends keymap changes to it as
    // XKB events instead of core MappingNotify.
    static const char xkb[] = "XKEYBOARD";
    ReplyPtr<xcb_query_extension_reply_t> extension(xcb_query_extension_reply(
        connection_, xcb_query_extension(connection_, sizeof xkb - 1, xkb), nullptr));
    if (extension && extension->present)
        xkbFirstEvent_ = extension->first_event;
    readKeyboard();
    qGuiApp->installNativeEventFilter(this);
}

X11HotKeys::~X11HotKeys()
{
    for (const Grab& grab : std::as_const(grabs_))
        ungrab(grab);
    xcb_flush(connection_);
    if (symbols_)
        xcb_key_symbols_free(symbols_);
}

void X11HotKeys::readKeyboard()
{
    if (symbols_)
        xcb_key_symbols_free(symbols_);
    symbols_ = xcb_key_symbols_alloc(connection_);

    // Which of Mod1..Mod5 carry Alt, Super and Num Lock depends on the keymap.
    ReplyPtr<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
    if (!mapping)
        return;
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    uint16_t alt = 0, super = 0, numLock = 0;
    for (int modifier = 3; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t keycode = keycodes[modifier * perModifier + i];
            if (keycode == XCB_NO_SYMBOL)
                continue;
            for (int column = 0; column < 4; ++column) {
                const xcb_keysym_t sym = xcb_key_symbols_get_keysym(symbols_, keycode, column);
                const uint16_t mask = uint16_t(1 << modifier);
                if (sym == kAltL || sym == kAltR || sym == kMetaL)
                    alt |= mask;
                else if (sym == kSuperL || sym == kSuperR)
                    super |= mask;
                else if (sym == kNumLock)
                    numLock |= mask;
            }
        }
    }
    altMask_ = alt ? alt : uint16_t(XCB_MOD_MASK_1);
    superMask_ = super ? super : uint16_t(XCB_MOD_MASK_4);
    numLockMask_ = numLock ? numLock : uint16_t(XCB_MOD_MASK_2);
}

uint16_t X11HotKeys::xModifiers(quint32 carbonModifiers) const
{
    uint16_t mask = 0;
    if (carbonModifiers & CarbonModifier::command)
        mask |= XCB_MOD_MASK_CONTROL;
    if (carbonModifiers & CarbonModifier::option)
        mask |= altMask_;
    if (carbonModifiers & CarbonModifier::control)
        mask |= superMask_;
    if (carbonModifiers & CarbonModifier::shift)
        mask |= XCB_MOD_MASK_SHIFT;
    return mask;
}

HotKeys::Result X11HotKeys::registerHotKey(const KeyCombo& combo, Handler handler)
{
    const QString name = KeyTable::text(combo);
    if (const Result allowed = check(combo); allowed != Result::registered) {
        Log::warning(kTag, QStringLiteral("cannot register %1: %2").arg(name, describe(allowed)));
        return allowed;
    }
    for (Grab& existing : grabs_) {
        if (existing.combo == combo) {
            existing.handler = std::move(handler);
            return Result::registered;
        }
    }
    Grab entry{combo, std::move(handler)};
    const Result result = grab(entry);
    if (result != Result::registered) {
        Log::warning(kTag, QStringLiteral("cannot register %1: %2").arg(name, describe(result)));
        return result;
    }
    grabs_.append(std::move(entry));
    Log::info(kTag, QStringLiteral("registered %1").arg(name));
    return result;
}

void X11HotKeys::unregisterHotKey(const KeyCombo& combo)
{
    for (qsizetype i = 0; i < grabs_.size(); ++i) {
        if (grabs_[i].combo == combo) {
            ungrab(grabs_[i]);
            xcb_flush(connection_);
            grabs_.removeAt(i);
            Log::info(kTag, QStringLiteral("unregistered %1").arg(KeyTable::text(combo)));
            return;
        }
    }
}

HotKeys::Result X11HotKeys::grab(Grab& grab)
{
    grab.keycodes.clear();
    grab.modifiers = xModifiers(grab.combo.carbonModifiers);
    // A keysym can sit on several keys (both Return keys, a remapped key); any of them counts.
    if (xcb_keycode_t* codes =
            xcb_key_symbols_get_keycode(symbols_, KeyTable::keysym(grab.combo.carbonKeyCode))) {
        for (xcb_keycode_t* code = codes; *code != XCB_NO_SYMBOL; ++code)
            if (!grab.keycodes.contains(*code))
                grab.keycodes.append(*code);
        std::free(codes);
    }
    if (grab.keycodes.isEmpty())
        return Result::unknownKey;

    // The server matches the modifier state exactly, so every lock state needs its own grab.
    const uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLockMask_, uint16_t(XCB_MOD_MASK_LOCK | numLockMask_)};
    QList<xcb_void_cookie_t> cookies;
    for (xcb_window_t root : std::as_const(roots_))
        for (xcb_keycode_t keycode : std::as_const(grab.keycodes))
            for (uint16_t lock : locks)
                cookies.append(xcb_grab_key_checked(connection_, 1, root, grab.modifiers | lock, keycode,
                                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool held = false;
    for (const xcb_void_cookie_t& cookie : std::as_const(cookies)) {
        ReplyPtr<xcb_generic_error_t> error(xcb_request_check(connection_, cookie));
        if (error) {
            held = held || error->error_code == kBadAccess;
            if (error->error_code != kBadAccess)
                Log::warning(kTag, QStringLiteral("key grab failed with X error %1").arg(error->error_code));
        }
    }
    if (held || cookies.isEmpty()) {
        // Keep none of a partial grab: ungrabbing also releases nothing that another client holds.
        ungrab(grab);
        xcb_flush(connection_);
        return held ? Result::heldByAnotherClient : Result::unavailable;
    }
    return Result::registered;
}

void X11HotKeys::ungrab(const Grab& grab)
{
    const uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLockMask_, uint16_t(XCB_MOD_MASK_LOCK | numLockMask_)};
    for (xcb_window_t root : std::as_const(roots_))
        for (xcb_keycode_t keycode : grab.keycodes)
            for (uint16_t lock : locks)
                xcb_ungrab_key(connection_, keycode, root, grab.modifiers | lock);
}

void X11HotKeys::keyboardChanged()
{
    for (const Grab& grab : std::as_const(grabs_))
        ungrab(grab);
    readKeyboard();
    for (Grab& entry : grabs_) {
        entry.down = false;
        if (const Result result = grab(entry); result != Result::registered)
            Log::warning(kTag, QStringLiteral("lost %1 after a keyboard change: %2")
                                   .arg(KeyTable::text(entry.combo), describe(result)));
    }
}

void X11HotKeys::handleKey(bool press, xcb_keycode_t keycode, uint16_t state, xcb_timestamp_t time)
{
    // Held keys repeat every few tens of milliseconds; a press this long after the last one is
    // a new press even if its release went astray (to a window that grabbed the keyboard).
    constexpr xcb_timestamp_t repeatWindowMs = 1000;
    const uint16_t relevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | altMask_ | superMask_;
    for (Grab& grab : grabs_) {
        if (!grab.keycodes.contains(keycode))
            continue;
        if (!press) {
            grab.down = false;
            grab.releaseTime = time;
            continue;
        }
        if ((state & relevant) != grab.modifiers)
            continue;
        // Auto-repeat: presses without releases, or a release and a press with one time stamp.
        const bool repeat = (grab.down && time - grab.pressTime < repeatWindowMs) ||
                            (grab.releaseTime != 0 && grab.releaseTime == time);
        grab.down = true;
        grab.pressTime = time;
        if (repeat || !grab.handler)
            return;
        QMetaObject::invokeMethod(&context_, grab.handler, Qt::QueuedConnection);
        return;
    }
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t type = event->response_type & 0x7f;
    switch (type) {
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE: {
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
        const bool ours = roots_.contains(key->event);
        // A release is noted wherever it went; only what our grabs brought is kept from Qt.
        if (ours || type == XCB_KEY_RELEASE)
            handleKey(type == XCB_KEY_PRESS, key->detail, key->state, key->time);
        return ours;
    }
    case XCB_MAPPING_NOTIFY: {
        const auto* mapping = reinterpret_cast<const xcb_mapping_notify_event_t*>(event);
        if (mapping->request != XCB_MAPPING_POINTER)
            keyboardChanged();
        return false;
    }
    default:
        if (xkbFirstEvent_ != 0 && type == xkbFirstEvent_) {
            const uint8_t xkbType = reinterpret_cast<const uint8_t*>(event)[1];
            if (xkbType == kXkbNewKeyboardNotify || xkbType == kXkbMapNotify)
                keyboardChanged();
        }
        return false;
    }
}
