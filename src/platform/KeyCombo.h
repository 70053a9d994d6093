#pragma once

#include <QtGlobal>

// A key combination in Brimble's own numbering: the macOS virtual key code and the Carbon
// modifier bits (Ctrl on Linux is the "command" bit 0x0100; see the key table).
struct KeyCombo
{
    quint32 carbonKeyCode = 0;
    quint32 carbonModifiers = 0;
    bool operator==(const KeyCombo&) const = default;
};

namespace CarbonModifier {
constexpr quint32 command = 0x0100; // Ctrl on Linux
constexpr quint32 shift = 0x0200;
constexpr quint32 option = 0x0800;  // Alt
constexpr quint32 control = 0x1000; // Super
} // namespace CarbonModifier
