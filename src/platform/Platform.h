#pragma once

#include "platform/Clipboard.h"
#include "platform/HotKeys.h"
#include "platform/IconCache.h"
#include "platform/KeySynthesizer.h"
#include "platform/LoginItem.h"
#include "platform/Workspace.h"
#include "platform/portal/PortalKeySynthesizer.h"

#include <QByteArray>

#include <memory>

// The desktop services Brimble uses, chosen once at start-up.
struct Platform
{
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<Workspace> workspace;
    // The workspace's application icons, read off the GUI thread (declared after the workspace,
    // which it reads through, so it goes first).
    std::unique_ptr<IconCache> iconCache;
    std::unique_ptr<KeySynthesizer> keySynthesizer;
    std::unique_ptr<LoginItem> loginItem;
    std::unique_ptr<HotKeys> hotKeys;

    // The native Wayland services when $WAYLAND_DISPLAY names a compositor with data control,
    // else the X11 services when a display is reachable; otherwise services that record
    // nothing and log why. BRIMBLE_PLATFORM=wayland or x11 forces the choice.
    //
    // In a Wayland session the hot key goes through the desktop portal's global shortcuts and
    // the paste key stroke through its remote desktop (where the compositor gives Brimble no
    // virtual keyboard), with `consent` keeping the user's answer; X11 key grabs and XTest
    // stay for XWayland's windows.
    static std::unique_ptr<Platform> create(PortalConsentStore consent = {});
    // The Qt platform plugin that matches create()'s choice ("wayland", "xcb"), or empty.
    static QByteArray qtPlatformPlugin();
    // Why the windows of Qt platform plugin `plugin` (as QT_QPA_PLATFORM names it; empty for
    // Qt's default) would have no display, with the display that could not be opened; None when
    // it can be, or when the plugin needs none. Asked before the application is built, which
    // would abort without one.
    struct DisplayProblem
    {
        enum Kind
        {
            None,
            NotSet,  // no DISPLAY, and no Wayland compositor with data control
            Wayland, // the Wayland display cannot be opened
            X11,     // the X display cannot be opened
        };
        Kind kind = None;
        QString display;
    };
    static DisplayProblem displayProblem(const QByteArray& plugin);
    // In-process fakes for unit tests.
    static std::unique_ptr<Platform> createFake();
};
