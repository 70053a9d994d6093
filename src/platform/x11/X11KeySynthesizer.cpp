#include "platform/x11/X11KeySynthesizer.h"

#include "common/Log.h"
#include "platform/TerminalClasses.h"
#include "platform/x11/XcbReply.h"

#include <QMutexLocker>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

const QString tag = QStringLiteral("simulate paste key");

constexpr xcb_keysym_t keysymControlL = 0xffe3;
constexpr xcb_keysym_t keysymShiftL = 0xffe1;
constexpr xcb_keysym_t keysymInsert = 0xff63;
constexpr xcb_keysym_t keysymV = 0x0076;
constexpr int modifierReleaseTimeoutMs = 2000;

bool xtestDisabledByEnvironment()
{
    return qEnvironmentVariable("BRIMBLE_DISABLE_XTEST") == QLatin1String("1");
}

} // namespace

X11KeySynthesizer::X11KeySynthesizer(const QByteArray& displayName)
{
    connection_ = xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), nullptr);
    if (xcb_connection_has_error(connection_)) {
        Log::warning(tag, QStringLiteral("cannot connect to the X display"));
        return;
    }
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(connection_, &xcb_test_id);
    hasXTest_ = xtest && xtest->present;
    if (!hasXTest_)
        Log::warning(tag, QStringLiteral("the X display lacks the XTEST extension, auto-paste is off"));
}

X11KeySynthesizer::~X11KeySynthesizer()
{
    if (connection_)
        xcb_disconnect(connection_);
}

bool X11KeySynthesizer::windowExists(quint32 window)
{
    if (window == XCB_NONE)
        return false;
    ReplyPtr<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return reply != nullptr;
}

bool X11KeySynthesizer::isTrusted(const RunningApplication* target)
{
    if (!hasXTest_ || xtestDisabledByEnvironment() || !target || xcb_connection_has_error(connection_))
        return false;
    QMutexLocker lock(&mutex_);
    return windowExists(target->windowId);
}

bool X11KeySynthesizer::canSynthesize() const
{
    return hasXTest_ && !xtestDisabledByEnvironment() && !xcb_connection_has_error(connection_);
}

bool X11KeySynthesizer::isTerminal(const RunningApplication* target) const
{
    return target && TerminalClasses::isTerminalClass(target->windowClass);
}

// A Ctrl+V sent while the user still holds Alt (from the hot key, say) would arrive as
// Ctrl+Alt+V; wait until the modifier keys are up.
void X11KeySynthesizer::waitForModifiersReleased(int timeoutMs)
{
    ReplyPtr<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
    if (!mapping)
        return;
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int count = xcb_get_modifier_mapping_keycodes_length(mapping.get());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        ReplyPtr<xcb_query_keymap_reply_t> keymap(
            xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr));
        if (!keymap)
            return;
        bool held = false;
        for (int i = 0; i < count && !held; ++i) {
            const xcb_keycode_t code = keycodes[i];
            held = code != 0 && (keymap->keys[code / 8] & (1 << (code % 8)));
        }
        if (!held)
            return;
        if (std::chrono::steady_clock::now() >= deadline) {
            Log::warning(tag, QStringLiteral("modifiers still held, sending anyway"));
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool X11KeySynthesizer::sendPaste(const RunningApplication* target)
{
    if (!isTrusted(target)) {
        Log::warning(tag, QStringLiteral("key synthesis not available for the target"));
        return false;
    }
    const bool terminal = isTerminal(target);
    QMutexLocker lock(&mutex_);
    waitForModifiersReleased(modifierReleaseTimeoutMs);

    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection_);
    if (!symbols)
        return false;
    auto keycodeFor = [symbols](xcb_keysym_t keysym) -> xcb_keycode_t {
        ReplyPtr<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols, keysym));
        return codes ? codes.get()[0] : XCB_NO_SYMBOL;
    };
    const xcb_keycode_t modifier = keycodeFor(terminal ? keysymShiftL : keysymControlL);
    const xcb_keycode_t key = keycodeFor(terminal ? keysymInsert : keysymV);
    xcb_key_symbols_free(symbols);
    if (modifier == XCB_NO_SYMBOL || key == XCB_NO_SYMBOL) {
        Log::warning(tag, QStringLiteral("the keyboard map lacks the paste keys"));
        return false;
    }
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, modifier, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, modifier, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    // A round trip makes sure the server has processed the keys before we report success.
    ReplyPtr<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    if (!sync) {
        Log::error(tag, QStringLiteral("the X connection failed while sending keys"));
        return false;
    }
    Log::info(tag, terminal ? QStringLiteral("sent shift+insert") : QStringLiteral("sent ctrl+v"));
    return true;
}
