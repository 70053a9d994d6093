#pragma once

#include "platform/KeySynthesizer.h"

#include <QByteArray>
#include <QMutex>

#include <cstdint>

// The paste chord through the compositor's virtual-keyboard protocol, where it offers one.
// Wayland names no windows to clients, so the stroke goes to whatever has keyboard focus: the
// window the panel gave the focus back to. Callable from any thread; one paste at a time.
//
// The keyboard is created once and kept: a keyboard that appears only for the stroke reaches
// clients that have not yet bound it (on a seat without another keyboard) too late.
class WaylandKeySynthesizer : public KeySynthesizer
{
public:
    // Connects to the named display ($WAYLAND_DISPLAY when empty) and creates the keyboard
    // when the compositor offers one.
    explicit WaylandKeySynthesizer(const QByteArray& displayName = {});
    ~WaylandKeySynthesizer() override;
    WaylandKeySynthesizer(const WaylandKeySynthesizer&) = delete;
    WaylandKeySynthesizer& operator=(const WaylandKeySynthesizer&) = delete;

    bool isTrusted(const RunningApplication* target) override;
    bool canSynthesize() const override;
    bool sendPaste(const RunningApplication* target) override;
    // Wayland reveals no application, so no terminal is ever recognised.
    bool isTerminal(const RunningApplication*) const override { return false; }
    bool needsTarget() const override { return false; }

private:
    mutable QMutex mutex_;
    struct wl_display* display_ = nullptr;
    struct wl_registry* registry_ = nullptr;
    struct wl_seat* seat_ = nullptr;
    struct zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
    struct zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    uint32_t controlMask_ = 0;
};
