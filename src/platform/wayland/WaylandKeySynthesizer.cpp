#include "platform/wayland/WaylandKeySynthesizer.h"

#include "common/Log.h"
#include "platform/wayland/WaylandRegistry.h"

#include "virtual-keyboard-unstable-v1-client.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

const QString tag = QStringLiteral("simulate paste key");

// The keymap the virtual keyboard announces: the default layout, in which evdev KEY_V is "v"
// whatever layout the user types with.
struct Keymap
{
    int fd = -1;
    uint32_t size = 0;
    uint32_t controlMask = 0;
};

Keymap compileKeymap()
{
    Keymap keymap;
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context)
        return keymap;
    const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    if (xkb_keymap* compiled = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS)) {
        const xkb_mod_index_t control = xkb_keymap_mod_get_index(compiled, XKB_MOD_NAME_CTRL);
        char* text = xkb_keymap_get_as_string(compiled, XKB_KEYMAP_FORMAT_TEXT_V1);
        if (text && control != XKB_MOD_INVALID) {
            const std::size_t size = std::strlen(text) + 1;
            const int fd = memfd_create("brimble-keymap", MFD_CLOEXEC);
            if (fd >= 0 && ::write(fd, text, size) == ssize_t(size)) {
                keymap = {fd, uint32_t(size), 1u << control};
            } else if (fd >= 0) {
                close(fd);
            }
        }
        free(text);
        xkb_keymap_unref(compiled);
    }
    xkb_context_unref(context);
    return keymap;
}

uint32_t now()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

WaylandKeySynthesizer::WaylandKeySynthesizer(const QByteArray& displayName)
{
    display_ = wl_display_connect(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display_)
        return;
    WaylandRegistry registry;
    const bool read = registry.read(display_);
    registry_ = registry.registry;
    if (!read || !registry.seat || !registry.virtualKeyboard)
        return;
    const Keymap keymap = compileKeymap();
    if (keymap.fd < 0) {
        Log::warning(tag, QStringLiteral("cannot compile a keymap for the virtual keyboard"));
        return;
    }
    seat_ = static_cast<wl_seat*>(wl_registry_bind(registry_, registry.seat->name, &wl_seat_interface, 1));
    manager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(wl_registry_bind(
        registry_, registry.virtualKeyboard->name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager_, seat_);
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, keymap.fd, keymap.size);
    controlMask_ = keymap.controlMask;
    // A compositor that refuses this client answers with a protocol error.
    if (wl_display_roundtrip(display_) < 0) {
        Log::warning(tag, QStringLiteral("the compositor refused the virtual keyboard"));
        keyboard_ = nullptr;
    }
    close(keymap.fd);
}

WaylandKeySynthesizer::~WaylandKeySynthesizer()
{
    if (!display_)
        return;
    if (keyboard_)
        zwp_virtual_keyboard_v1_destroy(keyboard_);
    if (manager_)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(manager_));
    if (seat_)
        wl_seat_destroy(seat_);
    if (registry_)
        wl_registry_destroy(registry_);
    wl_display_flush(display_);
    wl_display_disconnect(display_);
}

bool WaylandKeySynthesizer::isTrusted(const RunningApplication*)
{
    return canSynthesize();
}

bool WaylandKeySynthesizer::canSynthesize() const
{
    QMutexLocker lock(&mutex_);
    return keyboard_ && wl_display_get_error(display_) == 0;
}

bool WaylandKeySynthesizer::sendPaste(const RunningApplication*)
{
    QMutexLocker lock(&mutex_);
    if (!keyboard_ || wl_display_get_error(display_) != 0)
        return false;
    // The panel has just been hidden; the compositor gives the focus back to the window below
    // it in its own time, and no protocol tells a client when.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    zwp_virtual_keyboard_v1_modifiers(keyboard_, controlMask_, 0, 0, 0);
    zwp_virtual_keyboard_v1_key(keyboard_, now(), KEY_V, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_key(keyboard_, now(), KEY_V, WL_KEYBOARD_KEY_STATE_RELEASED);
    zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0, 0);
    // Only a completed round trip shows the compositor took the strokes.
    if (wl_display_roundtrip(display_) < 0) {
        Log::warning(tag, QStringLiteral("the compositor did not take the virtual key strokes"));
        return false;
    }
    return true;
}
