#pragma once

#include "platform/HotKeys.h"
#include "platform/KeyCombo.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

// What the preferences window asks of the rest of Brimble, so that a change takes effect at
// once. All are called on the GUI thread unless said otherwise.
struct PreferencesActions
{
    // Registers the global shortcut now (none drops it) and says whether the desktop took it.
    std::function<HotKeys::Result(const std::optional<KeyCombo>& combo)> setShowQuickSearchWindowHotKey;
    // Releases the global shortcut while the recorder records, so that pressing it reaches the
    // recorder, and takes it back afterwards unless a new one was set meanwhile.
    std::function<void(bool suspended)> setHotKeySuspended;
    // What the desktop made of the shortcut where it binds it (the portal of a Wayland session);
    // state `grabbed` where Brimble grabs the keys itself.
    std::function<HotKeys::DesktopShortcut()> desktopShortcut;
    // Opens the desktop's own dialog for the shortcut.
    std::function<void()> configureDesktopShortcut;
    std::function<void(bool shown)> setStatusItemShown;
    // Why automatic paste cannot work here, empty when it can.
    std::function<QString()> autoPasteLimitation;
    std::function<void()> openAutoPasteHelp;
    // An application's icon by its desktop file; called off the GUI thread.
    std::function<QImage(const QString& path)> iconForFile;
};
