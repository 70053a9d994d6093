#pragma once

#include "platform/KeyCombo.h"

#include <QString>

// What kind of desktop session Brimble runs in, read from the environment the session
// manager sets.
namespace DesktopSession {

enum class Desktop
{
    gnome,
    kde,
    sway,
    hyprland,
    other,
};

// A Wayland session, whether or not Brimble itself runs on Wayland: $WAYLAND_DISPLAY is set
// or $XDG_SESSION_TYPE says "wayland". X11 key grabs there only see XWayland's windows.
bool isWayland();

// From $XDG_CURRENT_DESKTOP, then the compositors' own variables ($SWAYSOCK,
// $HYPRLAND_INSTANCE_SIGNATURE).
Desktop current();

// The line that binds `brimble toggle` to the combination in the compositor's configuration
// file (sway's bindsym, Hyprland's bind); empty for desktops configured otherwise.
QString configurationLine(Desktop desktop, const KeyCombo& combo);

} // namespace DesktopSession
