#pragma once

#include <cstdint>
#include <optional>

struct wl_display;
struct wl_registry;

// The globals a compositor announces that Brimble uses, read in one round trip.
struct WaylandRegistry
{
    struct Global
    {
        uint32_t name = 0;
        uint32_t version = 0;
    };

    wl_registry* registry = nullptr;
    std::optional<Global> seat;
    std::optional<Global> extDataControl;
    std::optional<Global> wlrDataControl;
    std::optional<Global> virtualKeyboard;

    // Fills in what the compositor announced; false when the connection failed. The caller
    // owns `registry` afterwards (wl_registry_destroy).
    bool read(wl_display* display);

    bool hasDataControl() const { return extDataControl || wlrDataControl; }
};
