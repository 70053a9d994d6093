#pragma once

#include "platform/RunningApplication.h"

// Synthesised key strokes (XTest on X11, a virtual keyboard on native Wayland).
class KeySynthesizer
{
public:
    virtual ~KeySynthesizer() = default;

    // Whether a paste may be sent to the target: the display offers key synthesis and the
    // target is a window we can reach.
    virtual bool isTrusted(const RunningApplication* target) = 0;
    // Whether the display offers key synthesis at all, whatever the target.
    virtual bool canSynthesize() const = 0;

    // Waits (at most 2 s) until the user has released the modifiers, then sends the paste
    // chord: Ctrl+V, or Shift+Insert for terminal emulators. False when nothing was sent.
    virtual bool sendPaste(const RunningApplication* target) = 0;

    // Terminal emulators paste with Shift+Insert from PRIMARY.
    virtual bool isTerminal(const RunningApplication* target) const = 0;

    // Whether a paste needs a known window to send to. Where clients cannot name windows
    // (Wayland) the stroke goes to the window that has the focus once the panel is gone.
    virtual bool needsTarget() const { return true; }
};
