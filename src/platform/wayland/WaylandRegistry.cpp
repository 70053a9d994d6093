#include "platform/wayland/WaylandRegistry.h"

#include "platform/wayland/WaylandDataControl.h"

#include <wayland-client.h>

#include <cstring>

namespace {

void announce(void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version)
{
    auto* self = static_cast<WaylandRegistry*>(data);
    const WaylandRegistry::Global global{name, version};
    // A desktop with several seats pastes on the first; Brimble follows one keyboard.
    if (std::strcmp(interface, "wl_seat") == 0 && !self->seat)
        self->seat = global;
    else if (std::strcmp(interface, WaylandDataControl::extInterface) == 0)
        self->extDataControl = global;
    else if (std::strcmp(interface, WaylandDataControl::wlrInterface) == 0)
        self->wlrDataControl = global;
    else if (std::strcmp(interface, "zwp_virtual_keyboard_manager_v1") == 0)
        self->virtualKeyboard = global;
}

void withdraw(void*, wl_registry*, uint32_t) {}

const wl_registry_listener listener = {announce, withdraw};

} // namespace

bool WaylandRegistry::read(wl_display* display)
{
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, this);
    return wl_display_roundtrip(display) >= 0;
}
