#pragma once

#include "platform/HotKeys.h"

// Hot keys without an X11 display (a Wayland session binds `brimble toggle` in its own
// keyboard settings instead).
class NullHotKeys : public HotKeys
{
public:
    Result registerHotKey(const KeyCombo&, Handler) override { return Result::unavailable; }
    void unregisterHotKey(const KeyCombo&) override {}
};
